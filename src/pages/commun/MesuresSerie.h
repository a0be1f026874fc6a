#pragma once

#include "document/Document.h"
#include "pages/commun/MiseEnPage.h"
#include "platform/Systeme.h"

#include <string>

namespace tarvo {

// What every page of a series takes from the measurement grid: the labels of its diameters
// and lines, and the width that holds its zone columns.

// "Diamètre d", "Mesure r", "D1 moyen" / "D2 moyen".
std::string LibelleDiametre(Systeme& systeme, int diametre);
std::string LibelleLigne(Systeme& systeme, int ligne);
std::string LibelleMoyenne(Systeme& systeme, int diametre);

// Width of the pages that hold a measurement grid: the normal width, or the grid's zone
// columns with the label column and margins when they are wider; the fixed width of the
// large-font mode.
int LargeurPageMesures(const Document& doc, const MiseEnPage& m);

} // namespace tarvo
