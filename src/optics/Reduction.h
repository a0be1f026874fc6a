#pragma once

#include "document/Document.h"
#include "optics/EchelleAberrations.h"
#include "optics/Parabole.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tarvo {

enum class EtatReduction : std::uint8_t {
    Calculee,
    NombreZonesIncorrect,        // N outside 2..10
    AucuneLigneValidee,          // neither diameter has a validated line
    CaracteristiquesIncorrectes, // series diameter or focal length not positive
    ZonesIncorrectes,            // radii decreasing from the hole's edge to the rim
    ValeursHorsLimites,          // a value, or a result, beyond any mirror
};

// The sentence the report shows instead of a reduction that could not be made, in French: it
// is marked for the catalogue (context "Pages"), to be translated where it is shown.
std::string_view TexteEtatReduction(EtatReduction etat);

// One zone of the report, as columns 1 to 13 of its row of the zone table.
struct ZoneBulletin {
    double RayonExterieur = 0;
    double Hm = 0;
    double Hm2SurR = 0;
    double CentHmSur4F = 0;
    double MoyenneA = 0;
    std::optional<double> MoyenneB; // only when both diameters are retained
    double Moyenne = 0;
    double MoyenneMoinsCte = 0;
    double EcartLongitudinal = 0;
    double AberrationTransversale = 0; // µm
    double AberrationRelative = 0;
    double Pente = 0; // µrad
    double Onde = 0;  // nm, at the outer edge of the zone
};

struct ResultatReduction {
    EtatReduction Etat = EtatReduction::NombreZonesIncorrect;
    int NombreZones = 0;
    double RayonCourbure = 0;
    double RayonTache = 0;
    double RayonTacheAngulaire = 0;
    std::uint8_t DiametresValides = 0;
    std::uint8_t DiametresRetenus = 0;
    double Constante = 0; // C, mm
    // Rows 1..NombreZones; row 0 is the point at the edge of the central hole (only its
    // `RayonExterieur` and `Onde` are set), the centre when there is no hole.
    std::array<ZoneBulletin, ZonesMax + 1> Zones{};
    ParaboleReference Parabole;
    std::optional<double> FractionLambda;
    ResultatEchelle Echelle;

    bool Calculee() const { return Etat == EtatReduction::Calculee; }
};

// Diameters entering the reduction: both when both are measured and the user keeps both,
// the one kept otherwise, the one measured when only one is. When both are measured and
// neither is kept the previous choice stays (both, when there was none).
std::uint8_t ChoisitDiametres(std::uint8_t valides, bool retenirD1, bool retenirD2,
                              std::uint8_t precedents);

// The Foucault reduction of the series in memory. On success it also leaves its values
// where the report pages read them: `RayonCourbure` := 2 × `FocaleSerie`, the last zone's
// `RayonExterieur` := `DiametreSerie` / 2, columns 2 to 13 of rows 1..N and row 0 of the
// zone table, `DiametresValides`. A reduction that cannot be made leaves the document as it
// was. `diametresRetenus` is the choice of the previous reduction (kept by the program).
ResultatReduction CalculeBulletin(Document& doc, std::uint8_t diametresRetenus = 3);

// The same reduction of the series of `doc`, the diameters kept as the switches `retenirD1`
// and `retenirD2` say, without writing into the document: the zone table it computed goes
// to `table` when one is given and the reduction is made.
ResultatReduction ReduitSerie(const Document& doc, bool retenirD1, bool retenirD2,
                              std::uint8_t diametresRetenus, TableZones* table = nullptr);

} // namespace tarvo
