#include "optics/Feuille.h"

#include "optics/ColonnesZones.h"
#include "optics/Constantes.h"

#include <cmath>

namespace tarvo {

namespace {

bool EntreesDansLimites(const Document& doc, int n) {
    bool ok = DansLimites(doc.Diametre) && DansLimites(doc.Focale) &&
              DansLimites(doc.DiametreSerie) && DansLimites(doc.Epaisseur) &&
              DansLimites(doc.CoefDeformation) && DansLimites(doc.TrouCentral);
    for (int z = 1; z <= n; ++z)
        ok = ok && DansLimites(doc.Zones[z][RayonExterieur]);
    return ok;
}

ZoneFeuille CalculeZone(const Document& doc, int z, double rayonCourbure, double rayonTache) {
    ZoneFeuille zone;
    const auto& zones = doc.Zones;
    const Etendu r = rayonCourbure;
    const Etendu interieur = z == 1 ? static_cast<Etendu>(doc.TrouCentral) / 2
                                    : static_cast<Etendu>(zones[z - 1][RayonExterieur]);
    zone.Hm = EnDouble((interieur + zones[z][RayonExterieur]) / 2);
    const Etendu hm = zone.Hm;
    // The work sheet has no dead band around K = 0, unlike the report.
    zone.Hm2SurR = doc.CoefDeformation != 0 ? EnDouble(-doc.CoefDeformation * hm * hm / r) : 0;
    if (zone.Hm > 0) {
        const auto demi = Fini(2 * static_cast<Etendu>(rayonTache) * r / hm / 1000);
        if (demi) {
            const auto sup = Fini(static_cast<Etendu>(zone.Hm2SurR) + *demi);
            const auto inf = Fini(static_cast<Etendu>(zone.Hm2SurR) - *demi);
            if (sup && inf) {
                zone.DemiTolerance = demi;
                zone.TolSup = sup;
                zone.TolInf = inf;
            }
        }
    }
    return zone;
}

} // namespace

double EpaisseurMinimale(double diametre) {
    const Etendu d = diametre;
    return EnDouble(std::sqrt(0.05L) * (d / 20) * (d / 20));
}

ResultatFeuille CalculeFeuille(Document& doc) {
    ResultatFeuille res;
    if (!CaracteristiquesValides(doc)) return res;
    const int n = ZonesUtilisees(doc);
    if (!EntreesDansLimites(doc, n)) {
        res.Etat = EtatFeuille::ValeursHorsLimites;
        return res;
    }
    res.Etat = EtatFeuille::Calculee;
    res.CoefDeformation = doc.CoefDeformation;
    res.NombreZones = n;

    const Etendu d = doc.Diametre, f = doc.Focale;
    res.RayonCourbure = EnDouble(2 * f);
    const Etendu r = res.RayonCourbure;
    res.RayonTache = EnDouble(FacteurTache * f / d);
    res.RayonTacheAngulaire =
        EnDouble(std::atan(res.RayonTache / 1000.0L / f) / 2 / Pi * 360 * 3600);
    res.EpaisseurMinimale = EpaisseurMinimale(doc.Diametre);

    const Etendu rapport = d / 2 / r;
    const Etendu sousRacine = 1 - rapport * rapport;
    if (sousRacine >= 0) {
        const double profondeur = EnDouble((1 - std::sqrt(sousRacine)) * r);
        const Etendu p = profondeur;
        const double volume = EnDouble(p * p * Pi * (r - p / 3) / 1000);
        const Etendu ds = doc.DiametreSerie;
        res.Profondeur = profondeur;
        res.VolumeConcavite = volume;
        res.MasseVerreUsine = EnDouble(DensiteVerre * volume);
        // The disc is the series diameter's, the concavity the characteristics' one.
        res.MasseMiroir =
            EnDouble((ds * ds * Pi * doc.Epaisseur / 4000 - volume) * DensiteVerre / 1000);
    }
    res.EchelleImage = EnDouble(f / 1000 * MicronsParSeconde);

    for (int z = 1; z <= n; ++z)
        res.Zones[z] = CalculeZone(doc, z, res.RayonCourbure, res.RayonTache);

    doc.RayonCourbure = res.RayonCourbure;
    for (int z = 1; z <= n; ++z) {
        const ZoneFeuille& zone = res.Zones[z];
        auto& ligne = doc.Zones[z];
        ligne[ColonneHm] = zone.Hm;
        ligne[ColonneHm2SurR] = zone.Hm2SurR;
        ligne[ColonneDemiTolerance] = zone.DemiTolerance.value_or(0);
        ligne[ColonneTolSup] = zone.TolSup.value_or(zone.Hm2SurR);
        ligne[ColonneTolInf] = zone.TolInf.value_or(zone.Hm2SurR);
    }
    return res;
}

std::optional<double> RapportFDEcran(const Document& doc) {
    if (doc.Diametre == 0) return std::nullopt;
    const auto rapport = Fini(static_cast<Etendu>(doc.Focale) / doc.Diametre * 100);
    if (!rapport) return std::nullopt;
    return EnDouble(Arrondi(*rapport) / 100);
}

std::optional<double> RapportFDPapier(const Document& doc) {
    if (doc.DiametreSerie == 0) return std::nullopt;
    const auto rapport = Fini(static_cast<Etendu>(doc.FocaleSerie) * 100 / doc.DiametreSerie);
    if (!rapport) return std::nullopt;
    return EnDouble(Arrondi(*rapport) / 100);
}

double RayonCourbureArrondi(double rayonCourbure) {
    return EnDouble(Arrondi(static_cast<Etendu>(rayonCourbure) * 10) / 10);
}

std::optional<double> TacheDiffractionPapier(const Document& doc) {
    if (doc.DiametreSerie == 0) return std::nullopt;
    return Fini(static_cast<Etendu>(doc.FocaleSerie) * FacteurTache / doc.DiametreSerie);
}

std::optional<double> RapportR4SurE2(const Document& doc) {
    if (doc.Epaisseur == 0) return std::nullopt;
    const Etendu demi = static_cast<Etendu>(doc.DiametreSerie) / 20;
    const Etendu e = static_cast<Etendu>(doc.Epaisseur) / 10;
    return Fini(Arrondi(demi * demi * demi * demi / (e * e)));
}

int DecimalesMasseMiroir(double masseMiroir) {
    const Etendu t = Tronque(static_cast<Etendu>(masseMiroir) * 10);
    if (t == 0) return 4;
    if (t >= 1 && t <= 9) return 3;
    if (t >= 10 && t <= 100) return 2;
    return 1;
}

} // namespace tarvo
