#pragma once

#include "document/Historique.h"

#include <string>
#include <string_view>

namespace tarvo {

class Fenetre;
class Systeme;
struct Services;

// `CheminIni`: "Tarvo.ini" in the user's configuration folder.
std::string CheminIni(Systeme& systeme);

// `GeometrieParDefaut`: normal state, 600 pixels wide, at most 830 high, top edge 29; the
// page bitmap takes the window's client width.
void GeometrieParDefaut(Fenetre& fenetre, Systeme& systeme);

// `LitParametres`: applies the bytes of a settings file to the window, fills entries 1..4
// of the list and `EtatFenetreLu`. A malformed file shows "Erreur de lecture du fichier
// Tarvo.ini" and applies the default geometry; what was applied before the fault stays.
void LitParametres(std::string_view contenu, Historique& historique, int& etatFenetreLu,
                   const Services& services);

// Start-up: reads the settings file when it exists and can be read, else applies the
// default geometry without a message.
void ChargeParametres(Historique& historique, int& etatFenetreLu, const Services& services);

// `EcritParametres`: writes the window placement and entries 1..4 of the list. The file is
// replaced only once the new one is completely written, so it is never left half written;
// on failure "Erreur d'écriture du fichier Tarvo.ini" is shown.
void EcritParametres(const Historique& historique, int etatFenetreLu, const Services& services);

} // namespace tarvo
