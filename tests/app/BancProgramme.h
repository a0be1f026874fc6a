#pragma once

#include "FenetreProgrammeFactice.h"
#include "app/Programme.h"
#include "cli/DialoguesEnregistres.h"
#include "support/FenetreFactice.h"
#include "support/FichiersMemoire.h"
#include "support/SystemeFixe.h"

#include <string>

namespace tarvo::test {

// A program on fake services: files in memory, scripted dialogs, a fixed system and a
// recorded window. The help pages exist unless a test removes them.
struct BancProgramme {
    BancProgramme() {
        surface.Relie(programme);
        fichiers.Contenus[systeme.Executable + "help/index.html"] = "<html></html>";
    }

    FichiersMemoire fichiers;
    DialoguesEnregistres dialogues;
    SystemeFixe systeme;
    FenetreFactice fenetre;
    SurfaceProgrammeFactice surface;
    PrincipaleFactice principale;
    Programme programme{fichiers, dialogues, systeme, fenetre, surface, surface, principale};
};

// A version-2 document file with one zone of radius 100 and `series` series; series s has
// the reading s/10 + 1 on line 1 of diameter 1 (validated) and the comment "Série s"; with
// `derniereVide` the last series has no reading.
std::string DocumentDeSeries(int series, const std::string& nom = "Essai", double diametre = 200,
                             double focale = 1200, bool derniereVide = false);

} // namespace tarvo::test
