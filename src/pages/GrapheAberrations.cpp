#include "pages/GraphesBulletin.h"

namespace tarvo {

void DessineGrapheAberrations(Canvas&, int, int, const DonneesGraphes&) {}
void DessineGrapheAberrationsPapier(Canvas&, const MiseEnPage&, const RectangleGraphe&,
                                    const DonneesGraphes&) {}

} // namespace tarvo
