#include "optics/Reduction.h"

#include "optics/ColonnesZones.h"
#include "optics/Constantes.h"
#include "optics/Equilibre.h"
#include "platform/Traduction.h"

#include <cmath>

namespace tarvo {

namespace {

// A count of validated lines above this counts as some.
constexpr double SeuilLignes = 0.0001;
// Conic constants this close to 0 are a sphere: no theoretical aberration.
constexpr double BandeSphere = 0.001;

// A refusal carries only what was established before it: no partial figure.
ResultatReduction Refus(const ResultatReduction& res, EtatReduction etat) {
    ResultatReduction refus;
    refus.Etat = etat;
    refus.NombreZones = res.NombreZones;
    refus.DiametresValides = res.DiametresValides;
    refus.DiametresRetenus = res.DiametresRetenus;
    return refus;
}

// From the hole's edge through the zone radii to the rim, never decreasing: the order the
// data entry keeps, and the one that every mean radius and every parabola needs.
bool ZonesCroissantes(const Document& doc, int n, double trou, double rayonBord) {
    if (!DansLimites(trou) || trou < 0) return false;
    double precedent = trou / 2;
    for (int i = 1; i < n; ++i) {
        const double h = doc.Zones[i][RayonExterieur];
        if (!DansLimites(h) || h < precedent) return false;
        precedent = h;
    }
    return rayonBord >= precedent;
}

bool MoyennesDansLimites(const Document& doc, int n, std::uint8_t retenus) {
    for (int i = 1; i <= n; ++i)
        for (int k = 1; k <= 2; ++k)
            if ((retenus & k) != 0 && !DansLimites(doc.Lectures[i][LigneMoyennes][k])) return false;
    return true;
}

bool ResultatsFinis(const TableZones& z, const ResultatReduction& r) {
    auto fini = [](double v) { return std::isfinite(v); };
    bool ok = fini(z[0][RayonExterieur]) && fini(z[0][ColonneOnde]);
    for (int i = 1; i <= r.NombreZones; ++i)
        for (int c = RayonExterieur; c <= ColonneOnde; ++c)
            ok = ok && (c == ColonneMoyenneB && r.DiametresRetenus != 3 ? true : fini(z[i][c]));
    const auto& e = r.Echelle;
    return ok && fini(r.RayonCourbure) && fini(r.RayonTacheAngulaire) && fini(r.Constante) &&
           fini(r.Parabole.EcartMax) && fini(r.Parabole.Coefficients.A) &&
           fini(r.Parabole.Coefficients.B) && fini(e.Max) && fini(e.Min) && fini(e.Etendue) &&
           fini(e.FMax) && fini(e.AberrationCentre) && fini(e.AberrationBord);
}

void CopieZones(const TableZones& z, ResultatReduction& r) {
    r.Zones[0].RayonExterieur = z[0][RayonExterieur];
    r.Zones[0].Onde = z[0][ColonneOnde];
    for (int i = 1; i <= r.NombreZones; ++i) {
        const auto& l = z[i];
        ZoneBulletin& zone = r.Zones[i];
        zone.RayonExterieur = l[RayonExterieur];
        zone.Hm = l[ColonneHm];
        zone.Hm2SurR = l[ColonneHm2SurR];
        zone.CentHmSur4F = l[ColonneCentHmSur4F];
        zone.MoyenneA = l[ColonneMoyenneA];
        if (r.DiametresRetenus == 3) zone.MoyenneB = l[ColonneMoyenneB];
        zone.Moyenne = l[ColonneMoyenne];
        zone.MoyenneMoinsCte = l[ColonneMoyenneMoinsCte];
        zone.EcartLongitudinal = l[ColonneEcartLongitudinal];
        zone.AberrationTransversale = l[ColonneAberrationTransversale];
        zone.AberrationRelative = l[ColonneAberrationRelative];
        zone.Pente = l[ColonnePente];
        zone.Onde = l[ColonneOnde];
    }
}

} // namespace

std::string_view TexteEtatReduction(EtatReduction etat) {
    switch (etat) {
    case EtatReduction::Calculee:
        return "";
    case EtatReduction::NombreZonesIncorrect:
        return TARVO_NOOP("Pages", "Le nombre de zones doit être compris entre 2 et 10.");
    case EtatReduction::AucuneLigneValidee:
        return TARVO_NOOP("Pages", "Aucune ligne de mesure n'est validée.");
    case EtatReduction::CaracteristiquesIncorrectes:
        return TARVO_NOOP("Pages",
                          "Le diamètre et la distance focale de la série doivent être positifs.");
    case EtatReduction::ZonesIncorrectes:
        return TARVO_NOOP("Pages", "Les rayons des zones doivent croître du bord du trou central "
                                   "jusqu'au bord du miroir.");
    case EtatReduction::ValeursHorsLimites:
        return TARVO_NOOP("Pages", "Les valeurs de cette série sont hors des limites du calcul.");
    }
    return "";
}

std::uint8_t ChoisitDiametres(std::uint8_t valides, bool retenirD1, bool retenirD2,
                              std::uint8_t precedents) {
    if (valides != 3) return valides;
    if (retenirD1 && retenirD2) return 3;
    if (retenirD1) return 1;
    if (retenirD2) return 2;
    return precedents >= 1 && precedents <= 3 ? precedents : 3;
}

ResultatReduction ReduitSerie(const Document& doc, bool retenirD1, bool retenirD2,
                              std::uint8_t diametresRetenus, TableZones* table) {
    ResultatReduction res;
    const int n = doc.NombreZones;
    if (n < 2 || n > ZonesMax) return Refus(res, EtatReduction::NombreZonesIncorrect);
    res.NombreZones = n;
    const auto& lectures = doc.Lectures;
    res.DiametresValides =
        static_cast<std::uint8_t>((lectures[0][LigneMoyennes][1] > SeuilLignes ? 1 : 0) +
                                  (lectures[0][LigneMoyennes][2] > SeuilLignes ? 2 : 0));
    if (res.DiametresValides == 0) return Refus(res, EtatReduction::AucuneLigneValidee);
    const double diametre = doc.DiametreSerie, focale = doc.FocaleSerie,
                 trou = doc.TrouCentralSerie;
    if (!DansLimites(diametre) || !(diametre > 0) || !DansLimites(focale) || !(focale > 0))
        return Refus(res, EtatReduction::CaracteristiquesIncorrectes);
    if (!ZonesCroissantes(doc, n, trou, diametre / 2))
        return Refus(res, EtatReduction::ZonesIncorrectes);
    res.DiametresRetenus =
        ChoisitDiametres(res.DiametresValides, retenirD1, retenirD2, diametresRetenus);
    const std::uint8_t retenus = res.DiametresRetenus;
    if (!DansLimites(doc.CoefDeformation) || !MoyennesDansLimites(doc, n, retenus))
        return Refus(res, EtatReduction::ValeursHorsLimites);

    // Worked on a copy, kept only when every value came out finite.
    TableZones z = doc.Zones;
    const Etendu f = focale;
    res.RayonCourbure = EnDouble(2 * f);
    z[n][RayonExterieur] = diametre / 2;
    res.RayonTache = EnDouble(FacteurTache * f / diametre);
    if (!(res.RayonTache > 0) || !std::isfinite(res.RayonTache))
        return Refus(res, EtatReduction::ValeursHorsLimites);
    res.RayonTacheAngulaire =
        EnDouble(std::atan(res.RayonTache / 1000.0L / f) / 2 / Pi * 360 * 3600);

    const double k = doc.CoefDeformation;
    const bool spherique = k > -BandeSphere && k < BandeSphere;
    Etendu sommeTheorie = 0, sommeMesures = 0;
    for (int i = 1; i <= n; ++i) {
        auto& l = z[i];
        const Etendu interieur = i == 1 ? static_cast<Etendu>(trou) / 2 : z[i - 1][RayonExterieur];
        l[ColonneHm] = EnDouble((interieur + l[RayonExterieur]) / 2);
        const Etendu hm = l[ColonneHm];
        l[ColonneHm2SurR] = spherique ? 0 : EnDouble(-k * hm * hm / res.RayonCourbure);
        l[ColonneCentHmSur4F] = EnDouble(100 * hm / 4 / f);
        const double m1 = lectures[i][LigneMoyennes][1], m2 = lectures[i][LigneMoyennes][2];
        if (retenus == 3) {
            l[ColonneMoyenneA] = m1;
            l[ColonneMoyenneB] = m2;
            l[ColonneMoyenne] = EnDouble((static_cast<Etendu>(m1) + m2) / 2);
            sommeMesures += static_cast<Etendu>(m1) + m2;
        } else {
            const double m = retenus == 1 ? m1 : m2;
            l[ColonneMoyenneA] = m;
            l[ColonneMoyenne] = m;
            sommeMesures += m;
        }
        sommeTheorie += l[ColonneHm2SurR];
    }
    // First guess: the mean reading less the mean theoretical aberration.
    sommeTheorie /= n;
    sommeMesures /= n;
    if (retenus == 3) sommeMesures /= 2;
    const ParametresEquilibre equilibre{n, focale, res.RayonTache};
    res.Constante = RechercheConstante(z, equilibre, EnDouble(sommeMesures - sommeTheorie));

    // The hole's edge lies on the straight line from the centre to the first zone's edge.
    z[0][RayonExterieur] = trou / 2;
    // (+ 0.0: the centre of a mirror without a hole is 0, not −0.)
    z[0][ColonneOnde] =
        z[1][RayonExterieur] > 0
            ? EnDouble(static_cast<Etendu>(z[1][ColonneOnde]) * (trou / 2) / z[1][RayonExterieur]) +
                  0.0
            : 0;

    const auto parabole = MeilleureParabole(z, n);
    if (!parabole) return Refus(res, EtatReduction::ValeursHorsLimites);
    res.Parabole = *parabole;
    res.FractionLambda = FractionLambda(parabole->EcartMax);
    res.Echelle = EchelleAberrations(z, n, diametre / 2, res.RayonTache);
    if (!ResultatsFinis(z, res)) return Refus(res, EtatReduction::ValeursHorsLimites);

    res.Etat = EtatReduction::Calculee;
    CopieZones(z, res);
    if (table) *table = z;
    return res;
}

ResultatReduction CalculeBulletin(Document& doc, std::uint8_t diametresRetenus) {
    TableZones z;
    const ResultatReduction res =
        ReduitSerie(doc, doc.RetenirD1, doc.RetenirD2, diametresRetenus, &z);
    if (!res.Calculee()) return res;
    doc.Zones = z;
    doc.RayonCourbure = res.RayonCourbure;
    doc.DiametresValides = res.DiametresValides;
    return res;
}

} // namespace tarvo
