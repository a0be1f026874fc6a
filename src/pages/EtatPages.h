#pragma once

#include <cstdint>

namespace tarvo {

class SourceIncertitudes;

// What the page drawers keep from one drawing to the next, beside the document: program
// state, never saved.
struct EtatPages {
    // Diameters entering the last reduction of the report (1, 2 or 3 for both). Kept when
    // both diameters are measured and neither is retained.
    std::uint8_t DiametresRetenus = 3;
    // The bootstrap of the analysis page; none: the page computes it at once (headless
    // drawings and tests).
    SourceIncertitudes* Incertitudes = nullptr;
};

} // namespace tarvo
