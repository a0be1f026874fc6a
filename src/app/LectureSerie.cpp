#include "app/LectureSerie.h"

#include "app/Programme.h"
#include "document/Lecteur.h"
#include "platform/Traduction.h"

namespace tarvo {

namespace {

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
    std::optional<std::vector<int>> ChoisitDansListe(const DialogueListe& d) override {
        return Interne.ChoisitDansListe(d);
    }
    int Messages = 0;

  private:
    Dialogues& Interne;
};

} // namespace

bool LitSerie(Programme& p, int serie, int nombreSeries) {
    Document& doc = p.Doc;
    const Document garde = doc;
    doc.SerieDemandee = serie;
    doc.NombreSeries = nombreSeries;
    DialoguesComptes dialogues(p.services.dialogues);
    LireDocument(doc, p.services.fichiers, dialogues, &p.services.systeme, &p.Index);
    const bool lue = dialogues.Messages == 0 && doc.FichierOuvert && !doc.EntierIncorrect &&
                     !doc.NombreIncorrect;
    if (lue && doc.SerieCourante == serie) return true;
    doc = garde;
    if (lue) {
        Systeme& s = p.services.systeme;
        p.services.dialogues.Avertissement(
            s.Traduit("Programme", TitreLecture),
            Remplace(s.Traduit("Programme",
                               "Le fichier %1 a changé depuis son ouverture : la série demandée "
                               "n'a pas pu être lue. Rouvrez le fichier."),
                     {doc.NomFichier}));
    }
    return false;
}

} // namespace tarvo
