#pragma once

#include "document/Document.h"
#include "pages/commun/EtatSaisie.h"
#include "pages/mesures/GrilleMesures.h"

#include <array>

namespace tarvo {

// The zone whose radius takes the editor: not the last one, whose radius is the mirror's,
// and only in a table of at most 10 zones.
bool ZoneEditable(const Document& doc, int zone);

// The validation flags of lines 1..10 of both diameters.
using DrapeauxValidation = std::array<std::array<double, 3>, LignesMesure + 1>;
DrapeauxValidation Drapeaux(const Document& doc);

// A line validated or un-validated by the user is a change to save when the series is the
// last one (an older series is shown, never saved: toggling its lines is only a look).
void SuitDrapeaux(Document& doc, const DrapeauxValidation& avant);

// Every zone of line j of diameter d holds a reading.
bool LigneComplete(const Document& doc, int ligne, int diametre);

} // namespace tarvo
