#pragma once

#include "entry/ContexteSaisie.h"

namespace tarvo {

// A click on the page bitmap at (x, y), bitmap pixels: the editor's text validated first,
// then the branch of the current page (boxes of the characteristics page, the margins and
// mean lines of the measurement grids, the report's value boxes and switches, nothing on
// the work sheet); the editor hidden when the click placed it nowhere.
void FicheFenetreMouseUp(ContexteSaisie& c, int x, int y);

// The validation flag of the current line of the current diameter: cleared when set, set
// when every zone of the line has a reading.
void BasculeValidation(Document& doc, const EtatSaisie& saisie);

// Validates every complete line of diameter d.
void ValideLignesCompletes(Document& doc, int diametre);

} // namespace tarvo
