#pragma once

#include "document/Document.h"

namespace tarvo {

// Where a new series goes, and what it leaves to bring back when it is cancelled.
struct PlaceNouvelleSerie {
    // Appended after the file's series, rather than in the place of an empty last one.
    bool Ajoutee = false;
    // The series of the file that cancelling brings back (0: none).
    int SerieARelire = 0;
};

// Starts a new series in memory: after the last series of the file, or in the place of the
// last one when it is in memory and has no reading (no empty series piles up; a series shown
// while browsing is never the place). The readings, flags and means cleared, the comment
// emptied, the date today, both diameters kept for the report. `dejaCommencee` keeps the
// place of a new series not saved yet (a second start does not append twice).
PlaceNouvelleSerie CommenceNouvelleSerie(Document& doc, double aujourdhui,
                                         const PlaceNouvelleSerie* dejaCommencee);

} // namespace tarvo
