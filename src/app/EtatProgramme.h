#pragma once

#include "pages/commun/EtatSaisie.h"
#include "pages/commun/IdentifiantsPages.h"
#include "platform/Dialogues.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tarvo {

// The program's own state beside the document: which page is shown, the flags of the
// print request and of closing, the viewport sizes and the current field of the editor.
struct EtatProgramme {
    std::string PageCourante{PageCaracteristiques};
    // The next drawing of the current page also goes to the printer.
    bool ModeImpression = false;
    // The program is closing: resizing no longer updates the viewport.
    bool Fermeture = false;
    // Keeps a rejection from being shown twice while message boxes nest.
    bool MessageAffiche = false;
    char SeparateurDecimal = ',';
    // Window state read from the settings file, written back when closing minimised.
    int EtatFenetreLu = 0;

    // Client height and width left to the page frame by `MetAJourVue`.
    std::int32_t HauteurUtile = 0;
    std::int32_t LargeurUtile = 0;

    // Current field of the editor `Saisie`.
    EtatSaisie Saisie;

    // The series in memory is a new one, not in the file yet: appended after the file's
    // series, or in the place of an empty last one. `SerieARelire` is the series of the file
    // that cancelling it brings back (0: none, the document has no file series).
    bool NouvelleSerie = false;
    bool NouvelleAjoutee = false;
    std::int32_t SerieARelire = 0;

    // Answer of the last save question.
    Reponse ReponseEnregistrer = Reponse::Non;

    // Help context of the main window, set by the page shown.
    int ContexteAide = 0;

    // Table of contents of the help, made absolute at start.
    std::string FichierAide;
    // Folder of the settings file and the folder the program was started from, each
    // ending with a separator.
    std::string RepertoireWindows;
    std::string RepertoireCourant;
};

} // namespace tarvo
