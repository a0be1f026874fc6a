#include "cli/MessagesCli.h"

#include "document/EchecsEcriture.h"
#include "platform/Systeme.h"
#include "platform/Traduction.h"

namespace tarvo {

std::string AvecPrefixe(Systeme& systeme, std::string_view message) {
    return Remplace(systeme.Traduit("Commande", "tarvo : %1"), {message});
}

void EcritMessages(const std::vector<MessageAffiche>& messages, Systeme& systeme,
                   std::ostream& sortie, const std::string& titreParDefaut) {
    for (const MessageAffiche& m : messages) {
        const std::string& titre = m.Titre.empty() ? titreParDefaut : m.Titre;
        sortie << (titre.empty()
                       ? m.Texte
                       : Remplace(systeme.Traduit("Commande", "%1 : %2"), {titre, m.Texte}))
               << '\n';
    }
}

std::string EchecSortieStandard(Systeme& systeme, const ResultatEcriture& resultat) {
    return Remplace(systeme.Traduit("Commande", "impossible d'écrire la sortie standard : %1"),
                    {RaisonEchec(resultat, systeme)});
}

int StatutApresSortie(int statut, const ResultatEcriture& resultat, Systeme& systeme,
                      std::ostream& erreurs) {
    if (resultat.Reussie()) return statut;
    // The status a shell reports for a tool that SIGPIPE (13) ended.
    constexpr int StatutSigpipe = 128 + 13;
    if (resultat.Cause == CauseEchec::LecteurParti) return StatutSigpipe;
    erreurs << AvecPrefixe(systeme, EchecSortieStandard(systeme, resultat)) << '\n';
    return 1;
}

} // namespace tarvo
