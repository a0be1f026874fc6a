#pragma once

#include "platform/Fichiers.h"

#include <string>

namespace tarvo {

class Systeme;

// Why a write failed, in the user's language and the program's words ("le disque est
// plein"), for the messages that name the file.
std::string RaisonEchec(const ResultatEcriture& resultat, Systeme& systeme);

} // namespace tarvo
