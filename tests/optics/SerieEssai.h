#pragma once

#include "document/Document.h"

#include <initializer_list>
#include <vector>

namespace tarvo::test {

// A mirror and one series, each diameter given as its mean readings (one validated line),
// empty for a diameter not measured.
inline Document SerieEssai(double diametre, double focale, std::initializer_list<double> rayons,
                           const std::vector<double>& d1, const std::vector<double>& d2 = {},
                           double trou = 0, double k = -1) {
    Document doc;
    doc.Diametre = doc.DiametreSerie = diametre;
    doc.Focale = doc.FocaleSerie = focale;
    doc.TrouCentral = doc.TrouCentralSerie = trou;
    doc.CoefDeformation = k;
    doc.NombreZones = static_cast<int>(rayons.size());
    int i = 1;
    for (const double r : rayons)
        doc.Zones[i++][RayonExterieur] = r;
    const std::vector<double>* diametres[] = {&d1, &d2};
    for (int k2 = 1; k2 <= 2; ++k2) {
        const auto& lectures = *diametres[k2 - 1];
        if (lectures.empty()) continue;
        doc.Lectures[0][1][k2] = 1;
        for (std::size_t z = 0; z < lectures.size(); ++z)
            doc.Lectures[z + 1][1][k2] = lectures[z];
    }
    CalculeMoyennes(doc);
    return doc;
}

} // namespace tarvo::test
