#pragma once

#include <array>
#include <string>

namespace tarvo {

struct Document;
class Fenetre;

inline constexpr int EntreesHistorique = 4;

// `Historique`[1..4]: the recent documents as full paths, entry 1 the most recent; an empty
// text is an empty entry. `Historique`[0] is the working slot that receives the name being
// added.
using Historique = std::array<std::string, EntreesHistorique + 1>;

// `MajHistorique`: once a document has been opened or saved (`NomPropose` not empty), puts
// `NomFichier` at the head of the list (an entry equal to it, blanks trimmed, is dropped
// first) and enables the Save command; then refreshes the menu. A blank `NomFichier` names
// no file and leaves the list as it is.
void MajHistorique(Historique& historique, const Document& doc, Fenetre& fenetre);

// Removes entry n (1..4): the entries after it move up one place, entry 4 becomes empty,
// and the menu is refreshed. Any other n is ignored.
void RetireHistorique(Historique& historique, int n, Fenetre& fenetre);

// Shows the entries from 1 up to the first empty one as "&1 " + entry ... "&4 " + entry,
// with the separator N2 when entry 1 is present; hides the others.
void AfficheMenuHistorique(const Historique& historique, Fenetre& fenetre);

} // namespace tarvo
