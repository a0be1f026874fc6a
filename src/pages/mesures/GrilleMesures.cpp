#include "pages/mesures/GrilleMesures.h"

#include "pages/commun/MasqueNombre.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace tarvo {
namespace {

constexpr double SeuilMesure = 0.0001;

constexpr std::size_t Indice(int i) {
    return static_cast<std::size_t>(i);
}

} // namespace

double Lecture(const Document& doc, int zone, int ligne, int diametre) {
    return doc.Lectures[Indice(zone)][Indice(ligne)][Indice(diametre)];
}

bool LigneValidee(const Document& doc, int ligne, int diametre) {
    return Lecture(doc, 0, ligne, diametre) > SeuilMesure;
}

void RameneCellule(EtatSaisie& s, const Document& doc) {
    const auto zones = static_cast<std::int8_t>(std::max(1, ZonesUtilisees(doc)));
    s.LigneCourante = std::clamp<std::int8_t>(s.LigneCourante, 1, LignesMesure);
    s.ColonneCourante = std::clamp<std::int8_t>(s.ColonneCourante, 1, zones);
    s.DiametreCourant = std::clamp<std::int8_t>(s.DiametreCourant, 1, 2);
}

std::string TexteLecture(double lecture, char separateur) {
    if (!(lecture > SeuilMesure)) return std::string();
    return FormateMasque(lecture, "#0.000", separateur);
}

void CalculeMoyennesMesures(Document& doc) {
    const int n = ZonesUtilisees(doc);
    for (LigneZone& ligne : doc.Zones)
        ligne[5] = ligne[6] = 0;
    for (int d = 1; d <= 2; ++d) {
        const std::size_t colonne = Indice(4 + d);
        int compte = 0;
        for (int r = 1; r <= LignesMesure; ++r) {
            if (!LigneValidee(doc, r, d)) continue;
            ++compte;
            // Even an empty cell enters the sum: the count divides by every validated line.
            for (int z = 1; z <= n; ++z)
                doc.Zones[Indice(z)][colonne] += Lecture(doc, z, r, d);
        }
        doc.Lectures[0][LigneMoyennes][Indice(d)] = compte;
        doc.Zones[0][colonne] = compte;
        if (compte == 0) continue;
        for (int z = 1; z <= n; ++z) {
            double& moyenne = doc.Zones[Indice(z)][colonne];
            moyenne /= compte;
            doc.Lectures[Indice(z)][LigneMoyennes][Indice(d)] = moyenne;
        }
    }
}

void TraceSegment(Canvas& c, int x1, int y1, int x2, int y2) {
    c.DeplaceVers(x1, y1);
    c.TraceVers(x2, y2);
}

void CocheEcran(Canvas& c, int a, int b) {
    TraceSegment(c, a + 5, b + 13, a + 3, b + 7);
    TraceSegment(c, a + 4, b + 13, a + 2, b + 7);
    TraceSegment(c, a + 5, b + 13, a + 13, b + 3);
    TraceSegment(c, a + 4, b + 13, a + 12, b + 3);
}

void CocheImpression(Canvas& c, int a, int b, int unitePoint) {
    const int u = c.LargeurTexte("HH") / 16;
    c.FixeLargeurPlume(unitePoint);
    TraceSegment(c, a + 5 * u, b + 13 * u, a + 3 * u, b + 7 * u);
    TraceSegment(c, a + 5 * u, b + 13 * u, a + 13 * u, b + 3 * u);
    c.FixeLargeurPlume(1);
}

} // namespace tarvo
