#pragma once

#include "optics/ResumeSerie.h"

#include <string>
#include <vector>

namespace tarvo {

// The history as CSV for spreadsheets set to French: a header line with the column names,
// then one line per series: its number, its date (day/month/year), its diameter, its
// validated readings, ε (nm), the fraction q of λ/q, the RMS (nm), the Strehl ratio, the
// fitted K and the first line of its comment. ';' between fields, decimal comma, CR LF; a
// figure a series cannot give is empty; a comment holding ';' or '"' is quoted.
void EcritCsvHistorique(const std::vector<ResumeSerie>& series, std::string& sortie);

} // namespace tarvo
