#pragma once

#include "document/Document.h"
#include "pages/commun/Cadres.h"
#include "pages/commun/EtatPages.h"

namespace tarvo {

// What a click on the test report does.
enum class EffetClicBulletin {
    Aucun,
    // A display switch changed: the page must be redrawn.
    Redessine,
    // A value of the last series to open the editor on.
    DiametreSerie,
    RayonCourbure,
    TrouSerie,
};

// The area of the report under the point (bitmap pixels), among the boxes of the drawing
// that was clicked: a display switch (`DetailMiroir`, `DetailZones`, the diameters kept) is
// toggled here; the three value areas answer only for the last series. At most one area
// answers, the first in the report's order.
EffetClicBulletin CliqueBulletin(Document& doc, EtatPages& etat, const CadresPage& cadres, int x,
                                 int y);

} // namespace tarvo
