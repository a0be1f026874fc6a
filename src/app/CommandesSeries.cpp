#include "app/Commandes.h"
#include "app/Programme.h"
#include "document/Lecteur.h"

namespace tarvo {

namespace {

constexpr const char* SauvegarderAvantSerie =
    "Il faut d'abord sauvegarder le fichier pour changer de série de mesures.";

// Browsing re-reads the file, which replaces the series in memory and clears the
// modification flags: a change that is not saved would be lost without any question.
bool ChangementsNonEnregistres(const Document& doc) {
    return doc.Modifie || doc.ModifieBulletin;
}

// The program's dialogs, counting the messages the reader shows: any of them means the read
// went wrong.
class DialoguesComptes final : public Dialogues {
  public:
    explicit DialoguesComptes(Dialogues& d) : Interne(d) {}
    void Avertissement(const std::string& titre, const std::string& texte) override {
        ++Messages;
        Interne.Avertissement(titre, texte);
    }
    void Message(const std::string& texte) override {
        ++Messages;
        Interne.Message(texte);
    }
    void Erreur(const std::string& texte) override {
        ++Messages;
        Interne.Erreur(texte);
    }
    Reponse Confirmation(const std::string& texte, bool avecAnnuler, Reponse parDefaut) override {
        return Interne.Confirmation(texte, avecAnnuler, parDefaut);
    }
    void Bip() override { Interne.Bip(); }
    std::optional<std::string> ChoisitFichierAOuvrir(const DialogueFichier& d) override {
        return Interne.ChoisitFichierAOuvrir(d);
    }
    std::optional<std::string> ChoisitFichierAEnregistrer(const DialogueFichier& d,
                                                          const std::string& nom) override {
        return Interne.ChoisitFichierAEnregistrer(d, nom);
    }
    int Messages = 0;

  private:
    Dialogues& Interne;
};

// Reads the series `SerieDemandee` asks for. The document in memory is kept as it was when
// the read fails (file deleted, damaged) or finds a file that no longer holds the series
// the document knows of (changed on disk since it was opened): nothing in memory is lost.
void LitSerieDemandee(Programme& p, int attendue) {
    Document& doc = p.Doc;
    const Document garde = doc;
    DialoguesComptes dialogues(p.services.dialogues);
    LireDocument(doc, p.services.fichiers, dialogues);
    const bool lue = dialogues.Messages == 0 && doc.FichierOuvert && !doc.EntierIncorrect &&
                     !doc.NombreIncorrect;
    if (lue && doc.SerieCourante == attendue) return;
    doc = garde;
    if (lue)
        p.services.dialogues.Avertissement(
            TitreLecture, "Le fichier " + doc.NomFichier +
                              " a changé depuis son ouverture : la série demandée n'a pas pu "
                              "être lue. Rouvrez le fichier.");
}

bool PeutChangerDeSerie(Programme& p) {
    if (!ChangementsNonEnregistres(p.Doc)) return true;
    p.services.dialogues.Message(SauvegarderAvantSerie);
    return false;
}

} // namespace

void SeriePrecedente(Programme& p) {
    Document& doc = p.Doc;
    if (doc.SerieCourante <= 1) {
        // Nothing before the first series: no read, nothing changes.
        p.surface.AfficheControle(Controle::DownRelache, false);
        return;
    }
    if (!PeutChangerDeSerie(p)) return;
    doc.SerieDemandee = doc.SerieCourante - 1;
    // The last series' comment is kept while older ones are shown.
    if (doc.SerieCourante == doc.NombreSeries) doc.Commentaire = doc.Note;
    LitSerieDemandee(p, doc.SerieDemandee);
    AffichePage(p);
}

void SerieSuivante(Programme& p) {
    Document& doc = p.Doc;
    if (doc.SerieCourante >= doc.NombreSeries) {
        p.surface.AfficheControle(Controle::UpRelache, false);
        return;
    }
    if (!PeutChangerDeSerie(p)) return;
    doc.SerieDemandee = doc.SerieCourante + 1;
    LitSerieDemandee(p, doc.SerieDemandee);
    AffichePage(p);
}

void BulletinDeControleExecute(Programme& p) {
    if (p.surface.ControleVisible(Controle::Saisie)) ValideEditeur(p);
    p.Etat.PageCourante = PageBulletin;
    AffichePage(p);
}

// F4 and F5 browse from the report only, and only while the command `Mesures` is enabled.
void PageMoinsExecute(Programme& p) {
    if (p.Etat.PageCourante == PageBulletin && p.Actions.Active(Action::Mesures))
        SeriePrecedente(p);
}

void PagePlusExecute(Programme& p) {
    if (p.Etat.PageCourante == PageBulletin && p.Actions.Active(Action::Mesures)) SerieSuivante(p);
}

} // namespace tarvo
