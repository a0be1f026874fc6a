#include "app/HistoriqueSeries.h"
#include "cli/Commandes.h"
#include "cli/DialoguesEnregistres.h"
#include "cli/ExportHistorique.h"
#include "cli/MessagesCli.h"
#include "cli/Ouverture.h"
#include "document/Document.h"
#include "platform/Systeme.h"

namespace tarvo {

int CommandeHistorique(const OptionsCli& options, ContexteCli& contexte) {
    Document doc;
    DialoguesEnregistres dialogues;
    const bool ouvert =
        OuvreDocumentSansFenetre(doc, options.Fichier, contexte.systeme.Aujourdhui(),
                                 std::nullopt, contexte.fichiers, dialogues, &contexte.systeme);
    EcritMessages(dialogues.Messages, contexte.systeme, contexte.erreurs);
    if (!ouvert) return 1;
    HistoriqueSeries historique(contexte.fichiers);
    std::string texte;
    EcritCsvHistorique(historique.Series(doc), texte);
    contexte.sortie << texte;
    return 0;
}

} // namespace tarvo
