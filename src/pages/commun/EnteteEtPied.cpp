#include "pages/commun/EnteteEtPied.h"

#include "document/Conversions.h"
#include "document/Document.h"
#include "optics/TexteEnLangue.h"
#include "pages/commun/IdentifiantsPages.h"

#include <array>

namespace tarvo {

bool EstParabolique(double k) {
    return k > -1.001 && k < -0.999;
}

bool EstSpherique(double k) {
    return k > -0.001 && k < 0.001;
}

std::string SuffixeForme(double k) {
    if (EstParabolique(k)) return " parabolique";
    if (EstSpherique(k)) return " sphérique";
    return std::string();
}

std::string TitreDeForme(Systeme& systeme, const TitreParForme& titre, double k) {
    if (EstParabolique(k)) return systeme.Traduit("Pages", titre.Parabolique);
    if (EstSpherique(k)) return systeme.Traduit("Pages", titre.Spherique);
    return systeme.Traduit("Pages", titre.Quelconque);
}

namespace {

struct EtatPage {
    std::string_view Page;
    BoutonPage Bouton;
    int ContexteAide;
    std::string_view ConseilImprimer;
    bool AvecStatut;
    std::string_view Statut;
    bool Annuler;
};

constexpr std::string_view ImprimerMesures =
    TARVO_NOOP("Pages", "Imprimer |Imprimer ce tableau de mesures");
constexpr std::string_view CliquerCellule =
    TARVO_NOOP("Pages", "Cliquer sur la cellulle à modifier");

constexpr std::array<EtatPage, 9> EtatsPages{{
    {PageCaracteristiques, BoutonPage::ToolCaracteristiques, 3100,
     TARVO_NOOP("Pages", "Imprimer |Imprimer le document affiché"), true, "", false},
    {PageFeuille, BoutonPage::ToolTravail, 3200,
     TARVO_NOOP("Pages", "Imprimer |Imprimer la feuille de travail"), true, "", false},
    {PageMesures, BoutonPage::ToolAnciennes, 3300, ImprimerMesures, true,
     TARVO_NOOP("Pages", "Utiliser les flèches pour changer de série de mesures"), false},
    {PageNouvellesMesures, BoutonPage::ToolNouvelles, 3300, ImprimerMesures, true, CliquerCellule,
     true},
    {PageEditionMesures, BoutonPage::ToolEdition, 3300, ImprimerMesures, true, CliquerCellule,
     false},
    {PageBulletin, BoutonPage::ToolBulletin, 3400,
     TARVO_NOOP("Pages", "Imprimer |Imprimer le bulletin de contrôle"), false, "", false},
    {PageAnalyse, BoutonPage::ToolAnalyse, 3500,
     TARVO_NOOP("Pages", "Imprimer |Imprimer l'analyse du miroir"), false, "", false},
    {PageHistorique, BoutonPage::ToolHistorique, 3600,
     TARVO_NOOP("Pages", "Imprimer |Imprimer l'historique du miroir"), false, "", false},
    {PageOmbres, BoutonPage::ToolOmbres, 3700,
     TARVO_NOOP("Pages", "Imprimer |Imprimer les ombres simulées"), false, "", false},
}};

// Place of `Bouton_Annuler` on the new-series page.
constexpr int GaucheAnnuler = 467;
constexpr int HautAnnuler = 64;

} // namespace

void FixeLargeurPage(Surface& surface, int largeur) {
    surface.FixeLargeurControle(Controle::Fenetre, largeur);
    surface.FixeLargeurFiche(largeur);
}

namespace {

void EtatFenetre(Surface& surface, std::string_view page, Systeme* systeme) {
    for (const EtatPage& etat : EtatsPages) {
        if (etat.Page != page) continue;
        surface.EnfonceBoutonPage(etat.Bouton);
        surface.FixeContexteAide(etat.ContexteAide);
        // An empty status stays empty: it is no text of the catalogue.
        if (etat.AvecStatut)
            surface.FixeTexteStatut(etat.Statut.empty() ? std::string()
                                                        : TexteEnLangue(systeme, etat.Statut));
        surface.FixeConseilImprimer(TexteEnLangue(systeme, etat.ConseilImprimer));
        if (etat.Annuler)
            surface.PlaceControle(Controle::BoutonAnnuler, GaucheAnnuler, HautAnnuler);
        surface.AfficheControle(Controle::BoutonAnnuler, etat.Annuler);
        // The shadows' setting boxes belong to their page alone; it shows them itself.
        if (page != PageOmbres)
            for (const Controle c :
                 {Controle::ReglageZone, Controle::ReglageLignes, Controle::ReglageDecalage})
                surface.AfficheControle(c, false);
        return;
    }
}

} // namespace

void EtatFenetrePage(Surface& surface, std::string_view page, Systeme& systeme) {
    EtatFenetre(surface, page, &systeme);
}

void EtatFenetrePage(Surface& surface, std::string_view page) {
    EtatFenetre(surface, page, nullptr);
}

bool SondePolices(Canvas& canvas) {
    canvas.FixeNomPolice(PoliceArial);
    canvas.FixeHauteurPolice(30);
    canvas.FixeGras(true);
    return canvas.LargeurTexte(TitreSonde) <= LargeurSondeMax;
}

TitreDessine DessineTitreEcran(Canvas& canvas, int largeurPage, std::string_view titre, int hauteur,
                               bool petitesPolices) {
    canvas.FixeNomPolice(PoliceArial);
    canvas.FixeHauteurPolice(hauteur);
    canvas.FixeGras(petitesPolices);
    TitreDessine t;
    t.Largeur = canvas.LargeurTexte(titre);
    t.Hauteur = canvas.HauteurTexte(titre);
    t.Gauche = (largeurPage - t.Largeur) / 2;
    canvas.EcritTexte(t.Gauche, 0, titre);
    return t;
}

int DessineDateEcran(Canvas& canvas, int abscisse, std::string_view date) {
    canvas.FixeNomPolice(PoliceArial);
    canvas.FixeHauteurPolice(14);
    canvas.FixeGras(false);
    canvas.EcritTexte(abscisse, 7, date);
    return canvas.LargeurTexte(date);
}

void DessineNomEcran(Canvas& canvas, Systeme& systeme, int y, std::string_view intitule) {
    const std::string de = systeme.Traduit("Pages", "de ");
    canvas.EcritTexte(67 - canvas.LargeurTexte(de), y, de);
    canvas.EcritTexte(71, y, intitule);
}

void CadreSelecteurSeries(Surface& surface, Canvas& canvas) {
    for (const Controle precedente : {Controle::DownRelache, Controle::DownNeutre})
        surface.PlaceControle(precedente, 20, 3);
    for (const Controle suivante : {Controle::UpRelache, Controle::UpNeutre})
        surface.PlaceControle(suivante, 100, 3);
    canvas.Rectangle(19, 1, 117, 20);
    canvas.Rectangle(37, 1, 100, 20);
}

std::string TexteNumeroSerie(Systeme& systeme, int serie) {
    return Remplace(systeme.Traduit("Pages", "Série N°%1"), {std::to_string(serie)});
}

void DessineNumeroSerie(Canvas& canvas, Systeme& systeme, int serie) {
    DessineTexteSerie(canvas, TexteNumeroSerie(systeme, serie));
}

void DessineTexteSerie(Canvas& canvas, std::string_view texte) {
    canvas.FixeNomPolice(PoliceArial);
    canvas.FixeHauteurPolice(13);
    canvas.FixeGras(false);
    canvas.EcritTexte(36 + (64 - canvas.LargeurTexte(texte)) / 2,
                      3 + (16 - canvas.HauteurTexte(texte)) / 2, texte);
}

namespace {

// The title, the date and the name line of the paper header.
int Entete(Canvas& canvas, const std::string& titre, std::string_view date,
           const std::string& ligneNom, bool nomGras) {
    const int largeurPage = canvas.Largeur();
    canvas.FixeTaillePolice(20);
    const int hauteurTitre = canvas.HauteurTexte(titre);
    canvas.EcritTexte((largeurPage - canvas.LargeurTexte(titre)) / 2, 0, titre);

    canvas.FixeTaillePolice(10);
    const std::string dateMM = std::string(date) + "MM";
    canvas.EcritTexte(largeurPage - canvas.LargeurTexte(dateMM),
                      hauteurTitre - canvas.HauteurTexte(date), date);
    if (!ligneNom.empty()) {
        canvas.FixeGras(nomGras);
        canvas.EcritTexte((largeurPage - canvas.LargeurTexte(ligneNom)) / 2, hauteurTitre,
                          ligneNom);
        canvas.FixeGras(false);
    }
    return hauteurTitre;
}

void PiedPapier(Canvas& canvas, int y, std::string_view texte) {
    canvas.FixeCouleurBrosse(Blanc);
    canvas.FixeStyleBrosse(StyleBrosse::Plein);
    const std::string pied = std::string(texte) + std::string(AdresseAuteur);
    canvas.EcritTexte((canvas.Largeur() - canvas.LargeurTexte(pied)) / 2, y, pied);
}

} // namespace

int DessineEntetePapier(Canvas& canvas, const Document& doc, std::string_view titre,
                        std::string_view date, bool nomGras) {
    return Entete(canvas, std::string(titre) + SuffixeForme(doc.CoefDeformation), date,
                  doc.Intitule.empty() ? std::string() : "de " + FormeAffichable(doc.Intitule),
                  nomGras);
}

int DessineEntetePapier(Canvas& canvas, Systeme& systeme, const Document& doc,
                        const TitreParForme& titre, std::string_view date, bool nomGras) {
    return Entete(canvas, TitreDeForme(systeme, titre, doc.CoefDeformation), date,
                  doc.Intitule.empty() ? std::string()
                                       : Remplace(systeme.Traduit("Pages", "de %1"),
                                                  {FormeAffichable(doc.Intitule)}),
                  nomGras);
}

void DessinePiedPapier(Canvas& canvas, int y, Systeme& systeme) {
    PiedPapier(canvas, y, systeme.Traduit("Pages", TextePied));
}

void DessinePiedPapier(Canvas& canvas, int y) {
    PiedPapier(canvas, y, TextePied);
}

} // namespace tarvo
