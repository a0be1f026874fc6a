#pragma once

#include "document/Document.h"
#include "pages/commun/Cadres.h"
#include "pages/commun/EtatPages.h"
#include "pages/commun/EtatSaisie.h"
#include "pages/commun/MiseEnPage.h"
#include "pages/commun/Surface.h"
#include "platform/Dialogues.h"
#include "platform/Systeme.h"

#include <string>

namespace tarvo {

// What the data entry needs of the program around it, beside the state it is handed.
class ProgrammeSaisie {
  public:
    virtual ~ProgrammeSaisie() = default;
    // Redraws the current page (the page dispatcher).
    virtual void AffichePage() = 0;
    // The commands' enabled states and hints from the document.
    virtual void MetAJourActions() = 0;
};

// The world of the data-entry handlers: the document, the editor's current field, the boxes
// of the page last drawn on screen, the layout values, the drawers' state, the window (the
// editor `Saisie` is placed, shown and read through the surface), the dialogs and the
// system, the page shown, the flag that keeps a report rejection from showing twice, and
// the program's redraw and action update.
struct ContexteSaisie {
    Document& doc;
    EtatSaisie& saisie;
    const CadresPage& cadres;
    const MiseEnPage& miseEnPage;
    EtatPages& pages;
    Surface& surface;
    Dialogues& dialogues;
    Systeme& systeme;
    const std::string& PageCourante;
    bool& MessageAffiche;
    ProgrammeSaisie& programme;
};

} // namespace tarvo
