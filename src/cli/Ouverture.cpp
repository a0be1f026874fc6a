#include "cli/Ouverture.h"

#include "document/Document.h"
#include "document/Lecteur.h"

namespace tarvo {

bool OuvreDocumentSansFenetre(Document& doc, const std::string& nom, double aujourdhui,
                              std::optional<int> serie, Fichiers& fichiers, Dialogues& dialogues,
                              Systeme* systeme) {
    InitialiseDocument(doc, aujourdhui);
    doc.SerieDemandee = -1;
    doc.NomFichier = nom;
    doc.NomPropose = nom;
    LireDocument(doc, fichiers, dialogues, systeme);
    doc.NombreSeries = doc.SerieCourante;
    if (!doc.FichierOuvert) doc.EntierIncorrect = true;
    if (doc.EntierIncorrect) {
        doc.NomFichier.clear();
        doc.NomPropose.clear();
        return false;
    }
    if (serie) {
        // Leaving the last series keeps its comment, as the arrows do.
        if (doc.SerieCourante == doc.NombreSeries) doc.Commentaire = doc.Note;
        doc.SerieDemandee = *serie;
        LireDocument(doc, fichiers, dialogues, systeme);
    }
    return true;
}

} // namespace tarvo
