#include "pages/bulletin/DonneesBulletin.h"

#include "optics/Constantes.h"
#include "optics/Feuille.h"
#include "pages/commun/MasqueNombre.h"

#include <cmath>

namespace tarvo {
namespace {

constexpr double SeuilLongueur = 0.0001;

} // namespace

bool SerieDimensionnee(const Document& doc) {
    return doc.DiametreSerie > SeuilLongueur && doc.FocaleSerie > SeuilLongueur;
}

std::optional<std::string> TexteRapportFD(const Document& doc, char sep) {
    if (!SerieDimensionnee(doc)) return std::nullopt;
    const std::optional<double> rapport = RapportFDPapier(doc);
    if (!rapport) return std::nullopt;
    return FormateGeneral(*rapport, sep);
}

std::optional<std::string> TexteRayonTache(const Document& doc, char sep) {
    if (!SerieDimensionnee(doc)) return std::nullopt;
    const std::optional<double> tache = TacheDiffractionPapier(doc);
    if (!tache) return std::nullopt;
    return FormateMasque(*tache, "#0.00", sep);
}

std::optional<std::string> TexteTacheAngulaire(const Document& doc, const ResultatReduction& r,
                                               char sep) {
    if (!SerieDimensionnee(doc)) return std::nullopt;
    if (r.Calculee()) return FormateMasque(r.RayonTacheAngulaire, "#0.000", sep);
    // A series not reduced (no validated line yet) still shows its spot.
    const std::optional<double> tache = TacheDiffractionPapier(doc);
    if (!tache) return std::nullopt;
    const std::optional<double> angle =
        Fini(std::atan(*tache / 1000.0L / doc.FocaleSerie) / 2 / Pi * 360 * 3600);
    if (!angle) return std::nullopt;
    return FormateMasque(*angle, "#0.000", sep);
}

std::optional<std::string> TexteR4e2(const Document& doc, char sep) {
    if (!SerieDimensionnee(doc)) return std::nullopt;
    const std::optional<double> rapport = RapportR4SurE2(doc);
    if (!rapport) return std::nullopt;
    return FormateGeneral(*rapport, sep);
}

} // namespace tarvo
