#pragma once

#include <string>

namespace tarvo {

class Json;
struct FiguresAnalyse;
struct IncertitudesAnalyse;

// The object "Analyse" of the document's JSON: the figures of the analysis page with their
// 1σ, each a number or null where it cannot be computed.
void EcritJsonAnalyse(Json& json, const FiguresAnalyse& figures,
                      const IncertitudesAnalyse& incertitudes);

// The same figures as lines after the report's CSV table: a blank line, a header line, then
// one line per figure named by its JSON key, with its value and its 1σ (empty where there is
// none), in the table's format. Writes nothing when the series has no figure.
void EcritCsvAnalyse(const FiguresAnalyse& figures, const IncertitudesAnalyse& incertitudes,
                     std::string& sortie);

} // namespace tarvo
