#pragma once

#include "pages/Canvas.h"
#include "pages/ContextePage.h"
#include "pages/TableAnalyse.h"

namespace tarvo {

// The printed analysis page under the paper header (`hauteurTitre` high): the series, the
// mirror's data, the table, the graph as wide as the page, the model, and the footer.
void DessineAnalysePapier(ContextePage& page, const ContenuAnalyse& contenu, Canvas& c,
                          int hauteurTitre);

} // namespace tarvo
