#pragma once

#include "optics/MasqueCouder.h"
#include "pages/commun/ContextePage.h"

#include <optional>
#include <string>

namespace tarvo {

// How the mask goes on paper: one A4 portrait sheet when its cut-out circle fits with 10 mm
// all round (and the texts above and below it), else one A3 sheet, else A4 sheets that each
// print a part of it, overlapping by 10 mm, after a first sheet with the texts, the checks
// of scale and the plan of assembly.
struct DispositionMasque {
    FormatImpression Format;
    bool Mosaique = false;
    int Colonnes = 1;
    int Rangees = 1;
    // Where the mirror's centre lies, mm from the sheet's top left corner (one sheet), or
    // from that of the whole the tiles make.
    double CentreX = 0;
    double CentreY = 0;
};
DispositionMasque DisposeMasque(const GeometrieMasque& m);

// Widths of the tiles' printed parts and of their overlaps, mm.
inline constexpr double MargeMasque = 10;
inline constexpr double RecouvrementMasque = 10;

// The print job of the mask, paper only: the sheets of its disposition at true size, then
// the end of the document. Nothing is printed when the dialog is cancelled.
void ImprimeMasque(ContextePage& page, const GeometrieMasque& m);

// The mask of the document in memory printed so; when its zones give none, nothing is
// printed and the message that says why is returned, in the user's language.
std::optional<std::string> ImprimeMasqueDuDocument(ContextePage& page);

} // namespace tarvo
