#include "web/PageWeb.h"

#include "app/Commandes.h"
#include "document/DialoguesMuets.h"
#include "document/Ecrivain.h"
#include "document/Parametres.h"
#include "web/Pont.h"

#include <cstdlib>

namespace tarvo {

PageWeb::PageWeb(std::string langue, char separateur) {
    systeme_.FixeLangue(std::move(langue));
    systeme_.FixeSeparateur(separateur);
    programme_ = std::make_unique<Programme>(fichiers_, dialogues_, systeme_, *this, zone_, zone_,
                                             *this);
    zone_.RelieProgramme(*programme_);
    programme_->Incertitudes.FixeCalculs(&calculs_);
    programme_->SeriesHistorique.FixeCalculs(&calculs_);
    programme_->Actions.FixeObservateur(this);
    // What the desktop's focus and click events run when the program moves them itself.
    zone_.SaisieQuittee = [this] { FicheSaisieExit(*programme_); };
    zone_.NoteQuittee = [this](const std::string& texte) { FicheNoteExit(*programme_, texte); };
    zone_.FormeAllumee = [this](bool parabolique) {
        FicheFormeClick(*programme_, parabolique, true);
    };
}

PageWeb::~PageWeb() {
    programme_->Actions.FixeObservateur(nullptr);
}

void PageWeb::tw_actions_changees_() {
    tw_actions_changees();
}

void PageWeb::Evenement(const std::function<void(Programme&)>& travail) {
    ++profondeur_;
    travail(*programme_);
    --profondeur_;
    if (profondeur_ > 0) return;
    zone_.Rafraichit();
    const Document& doc = programme_->Doc;
    tw_modifie(doc.Modifie || doc.ModifieBulletin ? 1 : 0);
    // The recent documents and the settings, in the page's storage as they change (a page
    // has no exit to write them at).
    if (!programme_->Etat.Fermeture)
        EcritParametres(programme_->Histo, programme_->Etat.EtatFenetreLu, programme_->services);
}

void PageWeb::Instantane() {
    Document& doc = programme_->Doc;
    if (!(doc.Modifie || doc.ModifieBulletin)) return;
    // The save's own writer, silently: the temporary file it writes is read back and removed.
    DialoguesMuets muets;
    const std::string destination = "/reprise/document.bdc";
    const std::string temporaire = NomTemporaire(destination, doc.NomFichier);
    fichiers_.FixeMuet(true);
    const bool ecrit = EcritDocument(doc, destination, fichiers_, muets, systeme_);
    const std::optional<std::string> octets = fichiers_.Lit(temporaire);
    fichiers_.Supprime(temporaire);
    fichiers_.FixeMuet(false);
    if (!ecrit || !octets) return;
    // The document's own name on the first line, then its bytes.
    const std::string reprise = doc.NomFichier + '\n' + *octets;
    tw_fichier_ecrit(destination.c_str(), reprise.data(), static_cast<int>(reprise.size()));
}

std::string PageWeb::TexteSaisie() {
    const std::unique_ptr<char, decltype(&std::free)> texte(tw_texte_saisie(), &std::free);
    return texte ? std::string(texte.get()) : std::string();
}

void PageWeb::FixeTexteSaisie(const std::string& texte) {
    tw_fixe_texte_saisie(texte.c_str());
}

void PageWeb::FixeLongueurMaxSaisie(int longueur) {
    tw_longueur_max_saisie(longueur);
}

void PageWeb::FixeIndicationSaisie(const std::string& indication) {
    const std::string_view i = indication;
    tw_indication(static_cast<int>(Controle::Saisie), std::string(IndicationCourte(i)).c_str(),
                  std::string(IndicationLongue(i)).c_str());
}

void PageWeb::SelectionneSaisie() {
    tw_selectionne_saisie();
}

void PageWeb::DonneFocusSaisie() {
    tw_focus_saisie();
    // The focus given by the program runs the editor's entry as the desktop's focus event.
    if (!zone_.SaisieAuFocus() && zone_.ControleVisible(Controle::Saisie)) {
        zone_.FixeSaisieAuFocus(true);
        FicheSaisieEnter(*programme_, true);
    }
}

void PageWeb::PressePapiers(bool surSaisie, OperationPressePapiers operation) {
    tw_presse_papiers(surSaisie ? 1 : 0, static_cast<int>(operation));
}

void PageWeb::FixeTexteNote(const std::string& texte) {
    std::string t;
    for (const char c : texte)
        if (c != '\r') t += c;
    tw_fixe_texte_note(t.c_str());
}

void PageWeb::ActiveSaisieEtNote(bool actifs) {
    tw_active_saisie_et_note(actifs ? 1 : 0);
}

void PageWeb::ActiveBarreOutils(bool active) {
    tw_barre_outils_active(active ? 1 : 0);
}

void PageWeb::AfficheAide(const std::string& page) {
    tw_aide(page.c_str());
}

void PageWeb::FermeAides() {
    tw_ferme_aides();
}

void PageWeb::AfficheAPropos() {
    tw_a_propos();
}

void PageWeb::Termine() {
    tw_termine();
}

void PageWeb::FixeLargeurPage(int largeur) {
    zone_.FixeLargeurControle(Controle::Fenetre, largeur);
}

void PageWeb::FixeTitre(const std::string& titre) {
    tw_titre(titre.c_str());
}

void PageWeb::AfficheHistorique(int n, bool visible, const std::string& libelle) {
    tw_historique(n, visible ? 1 : 0, libelle.c_str());
}

void PageWeb::AfficheSeparateurHistorique(bool visible) {
    tw_historique(0, visible ? 1 : 0, "");
}

} // namespace tarvo
