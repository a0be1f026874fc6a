#pragma once

#include "pages/analyse/TableAnalyse.h"
#include "pages/commun/Canvas.h"
#include "pages/commun/ContextePage.h"

namespace tarvo {

// The printed analysis page under the paper header (`hauteurTitre` high): the series, the
// mirror's data, the table, the graph as wide as the page, the model, and the footer.
void DessineAnalysePapier(ContextePage& page, const ContenuAnalyse& contenu, Canvas& c,
                          int hauteurTitre);

} // namespace tarvo
