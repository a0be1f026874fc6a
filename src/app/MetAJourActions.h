#pragma once

namespace tarvo {

struct Document;
class EtatActions;
class Systeme;

// Enables the page and measurement commands from the document's state and gives them the
// hints that say why they are not available, in the language of `systeme`; saving a mean as
// a series needs one shown.
void MetAJourActions(const Document& doc, EtatActions& actions, Systeme& systeme,
                     bool moyenneAffichee = false);
// The same with the hints in French, the program's own.
void MetAJourActions(const Document& doc, EtatActions& actions, bool moyenneAffichee = false);

} // namespace tarvo
