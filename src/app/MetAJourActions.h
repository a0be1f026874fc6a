#pragma once

namespace tarvo {

struct Document;
class EtatActions;

// Enables the page and measurement commands from the document's state and gives them the
// hints that say why they are not available.
void MetAJourActions(const Document& doc, EtatActions& actions);

} // namespace tarvo
