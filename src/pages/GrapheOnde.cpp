#include "pages/GraphesBulletin.h"

namespace tarvo {

void DessineGrapheOnde(Canvas&, int, int, const DonneesGraphes&) {}
void DessineGrapheOndePapier(Canvas&, const MiseEnPage&, const RectangleGraphe&,
                             const DonneesGraphes&) {}

} // namespace tarvo
