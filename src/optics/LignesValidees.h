#pragma once

#include "document/Document.h"

#include <array>
#include <vector>

namespace tarvo {

// The validated lines of a series, each diameter apart (indices 1 and 2): the readings of
// zones 1..N of each line. A series in memory holds at most ten per diameter; the mean of
// several series holds them all.
struct LignesValidees {
    using Ligne = std::array<double, ZonesMax + 1>;
    std::array<std::vector<Ligne>, 3> Diametres;

    int Nombre(int diametre) const {
        return static_cast<int>(Diametres[static_cast<std::size_t>(diametre)].size());
    }
};

// The lines 1..10 of the series in memory whose flag counts (as for the means).
LignesValidees LignesDe(const Document& doc);

} // namespace tarvo
