#pragma once

#include "document/Document.h"
#include "pages/commun/Cadres.h"
#include "pages/commun/EtatPages.h"
#include "pages/commun/EtatSaisie.h"
#include "pages/commun/MiseEnPage.h"
#include "pages/commun/Surface.h"
#include "platform/Systeme.h"

namespace tarvo {

// What a page drawer works on, handed down together: the document, the window, the
// system (decimal separator, short date), the shared layout state, the recorded boxes,
// `ModeImpression`, which the print command sets and the print job clears, the state the
// drawers keep between drawings, and the editor's current field (the measurement pages
// place the editor on the current cell).
struct ContextePage {
    Document& doc;
    Surface& surface;
    Systeme& systeme;
    MiseEnPage& miseEnPage;
    CadresPage& cadres;
    bool& ModeImpression;
    EtatPages& etat;
    EtatSaisie& saisie;
};

} // namespace tarvo
