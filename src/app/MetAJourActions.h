#pragma once

namespace tarvo {

struct Document;
class EtatActions;

// Enables the page and measurement commands from the document's state and gives them the
// hints that say why they are not available; saving a mean as a series needs one shown.
void MetAJourActions(const Document& doc, EtatActions& actions, bool moyenneAffichee = false);

} // namespace tarvo
