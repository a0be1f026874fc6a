#pragma once

#include "cli/DialoguesEnregistres.h"

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

} // namespace tarvo
