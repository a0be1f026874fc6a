#pragma once

#include "pages/commun/Cadres.h"
#include "pages/commun/Canvas.h"
#include "pages/historique/DonneesHistorique.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace tarvo {

// One line of the history table as drawn: its texts and the series it opens (-1: a mean).
struct LigneTableHistorique {
    std::array<std::string, ColonnesHistorique> Textes;
    int Serie = 0;
};

// Where and how the table is drawn on its target.
struct PlacementHistorique {
    int Gauche = 0;
    int Haut = 0;
    int Largeur = 0; // the comment column takes what the others leave
    int HauteurLigne = 0;
    int Trait = 1;
    int Choisie = 0;    // series of the line shown chosen (-1: the mean, 0: none)
    bool Separee = false; // the last line (a mean) is set apart by a rule
};

// The header row and the lines; figures set right, the comment cut to its column with "…".
// Returns the bottom of the table and fills `boites` with each line's box and series.
int DessineTableHistorique(Canvas& c, Systeme& systeme,
                           const std::vector<LigneTableHistorique>& lignes,
                           const PlacementHistorique& p,
                           std::vector<std::pair<int, Cadre>>* boites);

} // namespace tarvo
