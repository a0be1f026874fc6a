#pragma once

#include "document/Document.h"
#include "optics/Tolerances.h"

#include <array>
#include <cstdint>
#include <optional>

namespace tarvo {

enum class EtatFeuille : std::uint8_t {
    Calculee,
    // Diameter or focal length not above 1 mm: the work sheet is not reachable.
    CaracteristiquesIncorrectes,
    // A characteristic or a zone radius that no mirror has (not finite, or beyond 1 km).
    ValeursHorsLimites,
};

struct ZoneFeuille {
    double Hm = 0;
    double Hm2SurR = 0;
    // Absent for a zone whose mean radius is not positive: 2ρR/Hm has no finite value there.
    std::optional<double> DemiTolerance, TolSup, TolInf;
};

struct ResultatFeuille {
    EtatFeuille Etat = EtatFeuille::CaracteristiquesIncorrectes;
    double RayonCourbure = 0;       // mm
    double RayonTache = 0;          // µm
    double RayonTacheAngulaire = 0; // arc seconds
    double EpaisseurMinimale = 0;   // mm
    // Absent when the focal length is shorter than a quarter of the diameter: a sphere
    // flatter than the half-sphere has no such depth, nor the volume and masses after it.
    std::optional<double> Profondeur;      // mm
    std::optional<double> VolumeConcavite; // cm³
    std::optional<double> MasseVerreUsine; // g
    std::optional<double> MasseMiroir;     // kg
    double EchelleImage = 0;               // µm per arc second
    double CoefDeformation = 0;
    int NombreZones = 0;
    // Rows 1..NombreZones.
    std::array<ZoneFeuille, ZonesMax + 1> Zones{};

    bool Calculee() const { return Etat == EtatFeuille::Calculee; }
    BandeTolerance Bande() const { return {CoefDeformation, RayonCourbure, RayonTache}; }
};

// The work sheet's quantities and the tolerances of zones 1..N. Also leaves them where the
// work-sheet pages read them: `RayonCourbure` := 2 × `Focale` and columns `Hm` to `TolInf`
// of the zone table (a zone without tolerance gets a band of zero width there). When the
// sheet cannot be computed the document is left as it was.
ResultatFeuille CalculeFeuille(Document& doc);

// The thickness for which R⁴/e² is 2000 cm², for a diameter in mm; pure, so that the
// printed report can show it without recomputing the work sheet's zone columns.
double EpaisseurMinimale(double diametre);

// Figures that the work sheet writes in its lines. Each is absent when its divisor is zero
// or the value is not finite.
std::optional<double> RapportFDEcran(const Document& doc);         // Focale / Diametre, 2 decimals
std::optional<double> RapportFDPapier(const Document& doc);        // series values, 2 decimals
double RayonCourbureArrondi(double rayonCourbure);                 // to 0.1 mm
std::optional<double> TacheDiffractionPapier(const Document& doc); // µm, from the series values
std::optional<double> RapportR4SurE2(const Document& doc);         // cm², rounded
// Decimals of the mirror's mass: 4 below 0.1 kg, 3 below 1 kg, 2 up to 10 kg, else 1.
int DecimalesMasseMiroir(double masseMiroir);

} // namespace tarvo
