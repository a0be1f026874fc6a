#include "cli/Commandes.h"

#include "cli/DialoguesEnregistres.h"
#include "cli/FenetreSansEcran.h"
#include "cli/Ouverture.h"
#include "document/Document.h"
#include "document/Enregistrement.h"
#include "platform/Services.h"

namespace tarvo {

namespace {

void AfficheMessages(const DialoguesEnregistres& dialogues, std::ostream& sortie) {
    for (const auto& m : dialogues.Messages)
        sortie << (m.Titre.empty() ? "Tarvo" : m.Titre) << " : " << m.Texte << '\n';
}

} // namespace

int CommandeEnregistreSous(const OptionsCli& options, ContexteCli& contexte) {
    Document doc;
    DialoguesEnregistres dialogues;
    if (!OuvreDocumentSansFenetre(doc, options.Fichier, contexte.systeme.Aujourdhui(), std::nullopt,
                                  contexte.fichiers, dialogues, &contexte.systeme)) {
        AfficheMessages(dialogues, contexte.erreurs);
        contexte.erreurs << "Le document " << options.Fichier << " n'a pas pu être ouvert.\n";
        return 1;
    }
    // The open may have shown messages (a read error): the user must see them too.
    AfficheMessages(dialogues, contexte.erreurs);
    dialogues.Messages.clear();

    // Save As with the name given: the overwrite question is answered by --overwrite.
    dialogues.FichiersChoisis.push_back(options.Sortie);
    dialogues.Reponses.push_back(options.Ecrase ? Reponse::Oui : Reponse::Annuler);
    FenetreSansEcran fenetre;
    Services services{contexte.fichiers, dialogues, contexte.systeme, fenetre};
    Historique historique;
    EnregistreSous(doc, services, historique);
    AfficheMessages(dialogues, contexte.erreurs);
    if (!dialogues.Questions.empty() && !options.Ecrase) {
        contexte.erreurs << "Le fichier " << ForceExtension(options.Sortie)
                         << " existe déjà ; ajoutez --overwrite pour le remplacer.\n";
        return 1;
    }
    if (!doc.EnregistrementReussi) {
        contexte.erreurs << "Le document n'a pas été enregistré.\n";
        return 1;
    }
    contexte.sortie << doc.NomFichier << '\n';
    return 0;
}

} // namespace tarvo
