#pragma once

#include <cstdint>

namespace tarvo {

// Layout state shared by the page drawers (never saved in documents). The characteristics
// page, drawn first at start-up, sets the font-scale results before any other page reads
// them.
struct MiseEnPage {
    // Font-scale probe: true for normal fonts, false for large fonts.
    bool PetitesPolices = true;
    // x of the date in the screen header.
    int AbscisseDate = 480;
    // Page width every page takes in large-font mode.
    int LargeurPageMini = 545;
    // Measurement grid: column width (65 in large-font mode) and row height.
    int LargeurColonneMesure = 56;
    int HauteurLigneMesure = 24;
    // Zone table of the page being drawn, on the current target (screen or printer).
    std::uint16_t LargeurColonne = 0;
    std::uint16_t HauteurLigne = 0;

    // Valid during a print job only.
    int PointsParPouce = 0;
    int UnitePoint = 0;           // printer pixels per typographic point
    int DemiPoint = 0;            // PointsParPouce div 144
    int InterligneImpression = 0; // height of "Hp" at 10 pt
    int MargeImpression = 0;      // width of "Marge" at 10 pt
};

} // namespace tarvo
