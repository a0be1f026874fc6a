#pragma once

#include "pages/analyse/DonneesAnalyse.h"
#include "pages/commun/ContextePage.h"
#include "pages/graphes/GrapheProfil.h"

#include <optional>

namespace tarvo {

// Everything the analysis page shows of the series in memory, computed once for the screen
// and the paper: the report's reduction (on a copy: the page leaves the document as it is),
// the figures, the bootstrap when it is ready, and the profile of the graph.
struct ContenuAnalyse {
    ResultatReduction Reduction;
    FiguresAnalyse Figures;
    std::optional<IncertitudesAnalyse> Incertitudes;
    DonneesProfil Profil;
};

// The bootstrap comes from the program's source when there is one, else it is computed now.
ContenuAnalyse PrepareAnalyse(ContextePage& page);

// The table of the four figures at (gauche, haut): a header row, then one row per figure, in
// three columns as wide as their texts; rows `hauteurLigne` high, the rules `trait` thick.
// Returns the bottom of the table.
int DessineTableAnalyse(Canvas& c, Systeme& systeme, int gauche, int haut, int hauteurLigne,
                        int trait, const ContenuAnalyse& contenu);

} // namespace tarvo
