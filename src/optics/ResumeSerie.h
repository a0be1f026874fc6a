#pragma once

#include "document/Document.h"
#include "optics/LignesValidees.h"
#include "optics/Reduction.h"

#include <array>
#include <optional>
#include <string>

namespace tarvo {

// One line of a mirror's history: what a series was and what its report and its analysis
// say of it (without the bootstrap), and its zones' longitudinal deviations Λc for the
// profile graph.
struct ResumeSerie {
    int Numero = 0; // 0 for a mean of series
    double Date = 0;
    double Diametre = 0;
    int Lectures = 0; // validated readings: validated lines × zones
    EtatReduction Etat = EtatReduction::AucuneLigneValidee;
    std::optional<double> EcartMax;
    std::optional<double> FractionLambda;
    std::optional<double> EcartRMS;
    std::optional<double> Strehl;
    std::optional<double> Conique;
    std::string Commentaire; // its first line
    int NombreZones = 0;
    std::array<double, ZonesMax + 1> Hm{};
    std::array<double, ZonesMax + 1> EcartLongitudinal{};

    bool Calculee() const { return Etat == EtatReduction::Calculee; }
};

// The line of a series as the reader leaves it (`doc`, its number in `SerieCourante`, its
// comment in `Note`), reduced with both diameters kept when both are measured. `lignes`,
// when given, are its validated lines (a mean holds more than its document does).
ResumeSerie ResumeDe(const Document& doc, const LignesValidees* lignes = nullptr);

} // namespace tarvo
