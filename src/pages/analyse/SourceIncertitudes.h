#pragma once

#include "document/Document.h"
#include "optics/Reechantillonnage.h"

#include <cstdint>
#include <optional>

namespace tarvo {

// Where the analysis page gets the bootstrap of a series: it takes milliseconds, too long
// for a redraw, so the program computes it away from the page and keeps the last one.
class SourceIncertitudes {
  public:
    virtual ~SourceIncertitudes() = default;
    // The 1σ of the figures of the series in `doc`, whose validated lines are `lignes`, with
    // the report's choice of diameters, or nothing while they are being computed: the page is
    // drawn again when they are ready.
    virtual std::optional<IncertitudesAnalyse> Incertitudes(const Document& doc,
                                                            const LignesValidees& lignes,
                                                            std::uint8_t diametresRetenus) = 0;
};

} // namespace tarvo
