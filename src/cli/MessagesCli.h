#pragma once

#include "cli/DialoguesEnregistres.h"
#include "platform/Fichiers.h"

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace tarvo {

class Systeme;

// The program's name before a message of its own, as "tarvo : " in French.
std::string AvecPrefixe(Systeme& systeme, std::string_view message);

// The boxes an open or a save would have shown, one a line: "title : text", the text alone
// when it has no title and no `titreParDefaut`.
void EcritMessages(const std::vector<MessageAffiche>& messages, Systeme& systeme,
                   std::ostream& sortie, const std::string& titreParDefaut = "");

// Why the standard output could not be written, for standard error.
std::string EchecSortieStandard(Systeme& systeme, const ResultatEcriture& resultat);

// The exit status of a command whose standard output was written with `resultat`: its own
// when the output is whole; 141, quietly, as a tool ended by SIGPIPE, when the reader went
// away; otherwise 1, with the reason on `erreurs`.
int StatutApresSortie(int statut, const ResultatEcriture& resultat, Systeme& systeme,
                      std::ostream& erreurs);

} // namespace tarvo
