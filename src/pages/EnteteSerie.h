#pragma once

#include "document/Document.h"
#include "pages/Canvas.h"
#include "pages/MiseEnPage.h"
#include "pages/Surface.h"

#include <string_view>

namespace tarvo {

// The header of the pages that show one series and browse the others (the test report, the
// analysis): the series arrows, their status text, and the self-sizing title.

inline constexpr std::string_view StatutSeries =
    "Utiliser les flèches, F4 ou F5 pour changer de série de mesures";

// The arrows browse the series only while the command `Mesures` is enabled; each end of the
// document shows its neutral arrow.
void VisibiliteFleches(Surface& surface, const Document& doc);

// The status text when there are series to browse, the arrows and their frames.
void SelecteurSeries(Surface& surface, Canvas& c, const Document& doc);

// The title redrawn at the height that makes it about 325 px wide, centred between the left
// edge and the date (bold with normal fonts). Returns the y of the line under it.
int TitreAjuste(Canvas& c, const MiseEnPage& m, std::string_view titre);

} // namespace tarvo
