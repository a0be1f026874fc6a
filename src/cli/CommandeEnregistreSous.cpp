#include "cli/Commandes.h"

#include "cli/DialoguesEnregistres.h"
#include "cli/FenetreSansEcran.h"
#include "cli/MessagesCli.h"
#include "cli/Ouverture.h"
#include "document/Document.h"
#include "document/Enregistrement.h"
#include "platform/Services.h"
#include "platform/Traduction.h"

namespace tarvo {

namespace {

void AfficheMessages(const DialoguesEnregistres& dialogues, ContexteCli& contexte) {
    EcritMessages(dialogues.Messages, contexte.systeme, contexte.erreurs, "Tarvo");
}

} // namespace

int CommandeEnregistreSous(const OptionsCli& options, ContexteCli& contexte) {
    Document doc;
    DialoguesEnregistres dialogues;
    if (!OuvreDocumentSansFenetre(doc, options.Fichier, contexte.systeme.Aujourdhui(),
                                  std::nullopt, contexte.fichiers, dialogues, &contexte.systeme)) {
        AfficheMessages(dialogues, contexte);
        contexte.erreurs << Remplace(contexte.systeme.Traduit(
                                         "Commande", "Le document %1 n'a pas pu être ouvert."),
                                     {options.Fichier})
                         << '\n';
        return 1;
    }
    // The open may have shown messages (a read error): the user must see them too.
    AfficheMessages(dialogues, contexte);
    dialogues.Messages.clear();

    // Save As with the name given: the overwrite question is answered by --overwrite.
    dialogues.FichiersChoisis.push_back(options.Sortie);
    dialogues.Reponses.push_back(options.Ecrase ? Reponse::Oui : Reponse::Annuler);
    FenetreSansEcran fenetre;
    Services services{contexte.fichiers, dialogues, contexte.systeme, fenetre};
    Historique historique;
    EnregistreSous(doc, services, historique);
    AfficheMessages(dialogues, contexte);
    if (!dialogues.Questions.empty() && !options.Ecrase) {
        contexte.erreurs << Remplace(contexte.systeme.Traduit("Commande",
                                                              "Le fichier %1 existe déjà ; ajoutez "
                                                              "--overwrite pour le remplacer."),
                                     {ForceExtension(options.Sortie)})
                         << '\n';
        return 1;
    }
    if (!doc.EnregistrementReussi) {
        contexte.erreurs << contexte.systeme.Traduit("Commande",
                                                     "Le document n'a pas été enregistré.")
                         << '\n';
        return 1;
    }
    contexte.sortie << doc.NomFichier << '\n';
    return 0;
}

} // namespace tarvo
