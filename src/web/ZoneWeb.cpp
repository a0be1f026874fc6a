#include "web/ZoneWeb.h"

#include "app/Programme.h"
#include "web/PapierSvg.h"
#include "web/Pont.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace tarvo {

ZoneWeb::ZoneWeb() {
    // The designed sizes of the desktop's controls.
    Etat(Controle::Fenetre) = {0, 0, LargeurBitmap, LargeurBitmap, true, false};
    Etat(Controle::Saisie) = {0, 0, 121, 24, false, false};
    Etat(Controle::Note) = {0, 0, 475, 61, false, false};
    Etat(Controle::FormeParabolique) = {0, 0, 100, 17, false, true};
    Etat(Controle::FormeSpherique) = {0, 0, 100, 17, false, false};
    for (const Controle c : {Controle::DownRelache, Controle::DownNeutre, Controle::UpRelache,
                             Controle::UpNeutre})
        Etat(c) = {0, 0, 16, 16, false, false};
    for (const Controle c : {Controle::Dessin, Controle::Dessin2, Controle::DessinF})
        Etat(c) = {0, 0, 500, 300, false, false};
    Etat(Controle::Logo) = {0, 0, 400, 400, false, false};
    Etat(Controle::BoutonAnnuler) = {467, 64, 75, 25, false, false};
    for (const Controle c :
         {Controle::ReglageZone, Controle::ReglageLignes, Controle::ReglageDecalage})
        Etat(c) = {0, 0, 90, 20, false, false};
    fiche_ = {0, 0, LargeurBitmap, LargeurBitmap, true, false};
    for (std::size_t c = 0; c < NombreControles; ++c) Montre(static_cast<Controle>(c));
    MontreFiche();
}

ZoneWeb::~ZoneWeb() = default;

void ZoneWeb::RelieProgramme(Programme& programme) {
    Relie(programme);
}

void ZoneWeb::Rafraichit() {
    ecran_.Envoie();
    for (auto& g : graphes_)
        if (g) g->Envoie();
}

void ZoneWeb::FixeGeometrie(int largeurClient, int hauteurClient, int barreOutils, int barreEtat) {
    largeurClient_ = largeurClient;
    hauteurClient_ = hauteurClient;
    barreOutils_ = barreOutils;
    barreEtat_ = barreEtat;
}

void ZoneWeb::Montre(Controle c) {
    const EtatControle& e = Etat(c);
    tw_place_controle(static_cast<int>(c), e.Gauche, e.Haut, e.Largeur, e.Hauteur,
                      e.Visible ? 1 : 0);
}

void ZoneWeb::MontreFiche() {
    tw_fiche(fiche_.Gauche, fiche_.Haut, fiche_.Largeur, fiche_.Hauteur);
}

CanvasWeb* ZoneWeb::Graphe(Controle c) {
    const auto i = c == Controle::Dessin ? 0U : c == Controle::Dessin2 ? 1U : 2U;
    if (!graphes_[i]) {
        const EtatControle& e = Etat(c);
        graphes_[i] = std::make_unique<CanvasWeb>(static_cast<int>(i) + 1, e.Largeur, e.Hauteur);
        tw_taille_canvas(static_cast<int>(i) + 1, e.Largeur, e.Hauteur);
    }
    return graphes_[i].get();
}

Canvas* ZoneWeb::CanvasImage(Controle image) {
    if (image != Controle::Dessin && image != Controle::Dessin2 && image != Controle::DessinF)
        return nullptr;
    return Graphe(image);
}

int ZoneWeb::HautControle(Controle controle) {
    // `Bouton_Annuler` lies on the window, over the page: its top counts the toolbar.
    const int y = Etat(controle).Haut;
    return controle == Controle::BoutonAnnuler ? y + barreOutils_ : y;
}

void ZoneWeb::PlaceControle(Controle controle, int gauche, int haut) {
    EtatControle& e = Etat(controle);
    e.Gauche = gauche;
    e.Haut = controle == Controle::BoutonAnnuler ? haut - barreOutils_ : haut;
    Montre(controle);
}

void ZoneWeb::FixeHautControle(Controle controle, int haut) {
    PlaceControle(controle, GaucheControle(controle), haut);
}

void ZoneWeb::FixeLargeurControle(Controle controle, int largeur) {
    EtatControle& e = Etat(controle);
    e.Largeur = std::max(largeur, 0);
    if (CanvasWeb* g = CanvasImage(controle) ? Graphe(controle) : nullptr)
        g->Redimensionne(std::max(e.Largeur, 1), std::max(e.Hauteur, 1));
    Montre(controle);
}

void ZoneWeb::FixeHauteurControle(Controle controle, int hauteur) {
    EtatControle& e = Etat(controle);
    e.Hauteur = std::max(hauteur, 0);
    if (CanvasWeb* g = CanvasImage(controle) ? Graphe(controle) : nullptr)
        g->Redimensionne(std::max(e.Largeur, 1), std::max(e.Hauteur, 1));
    Montre(controle);
}

void ZoneWeb::AfficheControle(Controle controle, bool visible) {
    EtatControle& e = Etat(controle);
    if (e.Visible == visible) return;
    e.Visible = visible;
    Montre(controle);
    // A focused control hidden: the window takes the focus, and the control's exit handler
    // runs as for any focus lost (inside the drawing that hides it, as on the desktop).
    if (visible) return;
    if (controle == Controle::Saisie && saisieFocus_) {
        saisieFocus_ = false;
        if (SaisieQuittee) SaisieQuittee();
    } else if (controle == Controle::Note && noteFocus_) {
        noteFocus_ = false;
        if (NoteQuittee) NoteQuittee(TexteNote());
    }
}

void ZoneWeb::FixeHauteurPoliceControle(Controle controle, int hauteur) {
    // Negative: a character height; positive: a cell height, about 1.12 em in Arial.
    tw_police_controle(static_cast<int>(controle),
                       hauteur < 0 ? -hauteur
                                   : std::max(1, static_cast<int>(std::lround(hauteur * 0.895))));
}

std::string ZoneWeb::TexteNote() const {
    const std::unique_ptr<char, decltype(&std::free)> texte(tw_texte_note(), &std::free);
    std::string note;
    for (const char* c = texte.get(); c && *c; ++c) {
        if (*c == '\n') note += '\r';
        note += *c;
    }
    return note;
}

void ZoneWeb::FixeLectureSeuleNote(bool lectureSeule) {
    tw_lecture_seule_note(lectureSeule ? 1 : 0);
}

void ZoneWeb::FixeIndicationNote(const std::string& indication) {
    tw_indication(static_cast<int>(Controle::Note), indication.c_str(), indication.c_str());
}

void ZoneWeb::CocheControle(Controle bouton, bool coche) {
    if (bouton != Controle::FormeParabolique && bouton != Controle::FormeSpherique) return;
    EtatControle& e = Etat(bouton);
    const bool allume = coche && !e.Coche;
    e.Coche = coche;
    tw_coche(static_cast<int>(bouton), coche ? 1 : 0);
    if (allume && FormeAllumee) FormeAllumee(bouton == Controle::FormeParabolique);
}

void ZoneWeb::FixeLargeurFiche(int largeur) {
    fiche_.Largeur = std::max(largeur, 0);
    MontreFiche();
}

void ZoneWeb::FixeHauteurFiche(int hauteur) {
    fiche_.Hauteur = std::max(hauteur, 0);
    MontreFiche();
}

void ZoneWeb::FixeTexteStatut(const std::string& texte) {
    tw_statut(texte.c_str());
}

void ZoneWeb::FixeHautCadre(int haut) {
    fiche_.Haut = haut - barreOutils_;
    MontreFiche();
}

void ZoneWeb::FixeGaucheCadre(int gauche) {
    fiche_.Gauche = gauche;
    MontreFiche();
}

void ZoneWeb::AppliqueBarre(Sens sens, const BarreDefilement& barre) {
    const int page = std::clamp(barre.TaillePage, 0, 100);
    tw_barre(sens == Sens::Vertical ? 1 : 0, barre.Position, std::max(page, 1),
             barre.Visible ? 1 : 0);
}

void ZoneWeb::FixeReglage(Controle controle, const Reglage& r) {
    tw_reglage(static_cast<int>(controle), r.Valeur, r.Minimum, r.Maximum, r.Pas, r.Decimales,
               r.Nom.c_str(), r.Suffixe.c_str());
}

// An ordinary print job: an A4 sheet, with the unprintable margin of a common printer, at
// the resolution the desktop's PDF printer has.
Canvas* ZoneWeb::DebuteImpression() {
    papier_ = std::make_unique<PapierSvg>(FormatImpression{210, 297, 600}, 5.0);
    return papier_.get();
}

Canvas* ZoneWeb::DebuteImpressionFormat(const FormatImpression& format) {
    papier_ = std::make_unique<PapierSvg>(format, 0.0);
    return papier_.get();
}

bool ZoneWeb::NouvelleFeuille() {
    if (!papier_) return false;
    papier_->NouvelleFeuille();
    return true;
}

void ZoneWeb::TermineImpression() {
    if (!papier_) return;
    const std::string feuilles = papier_->Feuilles();
    tw_imprime(feuilles.data(), static_cast<int>(feuilles.size()), papier_->Format().LargeurMm,
               papier_->Format().HauteurMm);
    papier_.reset();
}

} // namespace tarvo
