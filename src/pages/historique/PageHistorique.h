#pragma once

#include "pages/commun/ContextePage.h"

namespace tarvo {

// The drawer of the history page (`Historique`): a line for every series of the document
// (a page of the table at a time when there are many), the line of a mean when one is
// shown, the graph of ε by series and the zones' Λc of the last five series; the printed
// page when `ModeImpression` is set. Records each line's box for the clicks.
void AfficheHistorique(ContextePage& page);

} // namespace tarvo
