#include "cli/MessagesCli.h"

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

} // namespace tarvo
