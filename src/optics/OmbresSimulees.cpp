#include "optics/OmbresSimulees.h"

#include "optics/Constantes.h"

#include <algorithm>
#include <cmath>

namespace tarvo {

namespace {

// Samples of the radial tables: finer than any picture's pixels along a radius.
constexpr int Echantillons = 1025;
// The mirror fills this share of the picture, on black.
constexpr double Marge = 1.04;
// Grey of the light that the knife or the grating stops entirely, and of full light.
constexpr double Sombre = 22, Clair = 235;

RayonsMiroir Rayons(const ResultatReduction& r, double k, bool mesure) {
    RayonsMiroir m;
    if (!r.Calculee() || r.NombreZones < 1 || !(r.RayonCourbure > 0)) return m;
    const int n = r.NombreZones;
    m.RayonBord = r.Zones[static_cast<std::size_t>(n)].RayonExterieur;
    m.RayonTrou = r.Zones[0].RayonExterieur;
    m.RayonCourbure = r.RayonCourbure;
    if (!(m.RayonBord > 0)) return RayonsMiroir{};
    m.Tache = 2.44 * LongueurOnde * 1e-6 * m.RayonCourbure / (2 * m.RayonBord);
    const double conique = k > -0.001 && k < 0.001 ? 0 : -k;
    const double focale = m.RayonCourbure / 2;
    m.Cible.resize(Echantillons);
    m.Transverse.resize(Echantillons);
    int piece = 1;
    for (int e = 0; e < Echantillons; ++e) {
        const double rayon = m.RayonBord * e / (Echantillons - 1);
        m.Cible[static_cast<std::size_t>(e)] = conique * rayon * rayon / m.RayonCourbure;
        if (!mesure) continue;
        while (piece < n && rayon > r.Zones[static_cast<std::size_t>(piece)].RayonExterieur)
            ++piece;
        // The slope of the straight piece of the wavefront that holds this radius.
        const ZoneBulletin& a = r.Zones[static_cast<std::size_t>(piece - 1)];
        const ZoneBulletin& b = r.Zones[static_cast<std::size_t>(piece)];
        const double largeur = b.RayonExterieur - a.RayonExterieur;
        const double pente = largeur > 0 ? (b.Onde - a.Onde) / largeur : 0;
        m.Transverse[static_cast<std::size_t>(e)] =
            -4 * pente * focale * focale * 1e-6 / m.RayonCourbure;
    }
    return m;
}

struct Echantillon {
    double Cible = 0;
    double Transverse = 0;
};

Echantillon A(const RayonsMiroir& m, double rayon) {
    const double t = std::clamp(rayon / m.RayonBord, 0.0, 1.0) * (Echantillons - 1);
    const auto k =
        std::min(static_cast<std::size_t>(t), static_cast<std::size_t>(Echantillons - 2));
    const double f = t - static_cast<double>(k);
    return {m.Cible[k] + f * (m.Cible[k + 1] - m.Cible[k]),
            m.Transverse[k] + f * (m.Transverse[k + 1] - m.Transverse[k])};
}

// Each pixel of the mirror's disc, its position in the plane at z0 (mm, along x) given to
// `teinte`, which returns its brightness 0..1.
template <typename Teinte>
std::vector<std::uint8_t> Image(const RayonsMiroir& m, double z0, int cote, Teinte teinte) {
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(std::max(cote, 0)) *
                                         static_cast<std::size_t>(std::max(cote, 0)),
                                     0);
    if (m.Cible.empty() || cote <= 0) return pixels;
    const double echelle = 2 * Marge * m.RayonBord / cote;
    const double bord2 = m.RayonBord * m.RayonBord, trou2 = m.RayonTrou * m.RayonTrou;
    const auto largeur = static_cast<std::size_t>(cote);
    // A ray's place in the plane depends on x and r only: the bottom half mirrors the top.
    for (int ligne = 0; ligne < (cote + 1) / 2; ++ligne) {
        const double y = (cote / 2.0 - ligne - 0.5) * echelle;
        std::uint8_t* rangee = pixels.data() + static_cast<std::size_t>(ligne) * largeur;
        for (int colonne = 0; colonne < cote; ++colonne) {
            const double x = (colonne + 0.5 - cote / 2.0) * echelle;
            const double r2 = x * x + y * y;
            if (r2 > bord2 || r2 < trou2) continue;
            const double rayon = std::sqrt(r2);
            const Echantillon e = A(m, rayon);
            const double transverse =
                x * (e.Cible - z0) / m.RayonCourbure + (rayon > 0 ? x / rayon * e.Transverse : 0);
            const double clarte = std::clamp(teinte(transverse), 0.0, 1.0);
            rangee[colonne] = static_cast<std::uint8_t>(Sombre + (Clair - Sombre) * clarte + 0.5);
        }
        std::copy(rangee, rangee + largeur,
                  pixels.data() + static_cast<std::size_t>(cote - 1 - ligne) * largeur);
    }
    return pixels;
}

// The clear part of a square grating from 0 to v (in periods), its opaque lines centred on
// the whole numbers: clear on [¼, ¾) of each period.
double Clair0(double v) {
    const double entier = std::floor(v);
    return entier / 2 + std::clamp(v - entier - 0.25, 0.0, 0.5);
}

} // namespace

RayonsMiroir RayonsMesures(const ResultatReduction& r, double k) {
    return Rayons(r, k, true);
}

RayonsMiroir RayonsParfaits(const ResultatReduction& r, double k) {
    return Rayons(r, k, false);
}

double CentreDeZone(const ResultatReduction& r, const RayonsMiroir& m, int zone) {
    if (m.Cible.empty() || zone < 1 || zone > r.NombreZones) return 0;
    const double hm = r.Zones[static_cast<std::size_t>(zone)].Hm;
    const Echantillon e = A(m, hm);
    return e.Cible + (hm > 0 ? e.Transverse * m.RayonCourbure / hm : 0);
}

int ZoneSoixanteDix(const ResultatReduction& r) {
    int meilleure = 1;
    const double vise =
        0.7 * r.Zones[static_cast<std::size_t>(std::max(r.NombreZones, 1))].RayonExterieur;
    for (int i = 1; i <= r.NombreZones; ++i)
        if (std::fabs(r.Zones[static_cast<std::size_t>(i)].Hm - vise) <
            std::fabs(r.Zones[static_cast<std::size_t>(meilleure)].Hm - vise))
            meilleure = i;
    return meilleure;
}

std::vector<std::uint8_t> ImageFoucault(const RayonsMiroir& m, double couteau, int cote) {
    return Image(m, couteau, cote,
                 [w = m.Tache](double transverse) { return 0.5 + transverse / w; });
}

std::vector<std::uint8_t> ImageRonchi(const RayonsMiroir& m, double reseau, double lignesParPouce,
                                      int cote) {
    const double periode = 25.4 / std::max(lignesParPouce, 1e-6);
    const double demi = m.Tache / 2 / periode;
    return Image(m, reseau, cote, [periode, demi](double transverse) {
        const double u = transverse / periode;
        if (demi < 1e-9) return Clair0(u + 1e-9) - Clair0(u) > 0 ? 1.0 : 0.0;
        return (Clair0(u + demi) - Clair0(u - demi)) / (2 * demi);
    });
}

} // namespace tarvo
