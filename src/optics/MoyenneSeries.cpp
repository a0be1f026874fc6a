#include "optics/MoyenneSeries.h"

#include "optics/Precision.h"

#include <cmath>
#include <cstdio>

namespace tarvo {

namespace {

// Series values within this of each other are the same setting (they are typed to 0.1 mm).
constexpr double Tolerance = 0.0001;

std::string Millimetres(double v, char sep) {
    char tampon[48];
    std::snprintf(tampon, sizeof tampon, "%.1f mm", v);
    std::string texte = tampon;
    for (char& c : texte)
        if (c == '.') c = sep;
    return texte;
}

} // namespace

std::optional<std::string> MotifSansLigne(const Document& serie) {
    const LignesValidees lignes = LignesDe(serie);
    if (lignes.Nombre(1) + lignes.Nombre(2) == 0) return "aucune ligne validée";
    return std::nullopt;
}

std::optional<std::string> MotifIncompatible(const Document& reference, const Document& serie,
                                             char sep) {
    if (auto motif = MotifSansLigne(serie)) return motif;
    auto differe = [](double a, double b) { return !(std::fabs(a - b) <= Tolerance); };
    if (differe(serie.DiametreSerie, reference.DiametreSerie))
        return "diamètre de " + Millimetres(serie.DiametreSerie, sep) + " au lieu de " +
               Millimetres(reference.DiametreSerie, sep);
    if (differe(serie.FocaleSerie, reference.FocaleSerie))
        return "focale de " + Millimetres(serie.FocaleSerie, sep) + " au lieu de " +
               Millimetres(reference.FocaleSerie, sep);
    if (differe(serie.TrouCentralSerie, reference.TrouCentralSerie))
        return "trou central de " + Millimetres(serie.TrouCentralSerie, sep) + " au lieu de " +
               Millimetres(reference.TrouCentralSerie, sep);
    if (serie.NombreZones != reference.NombreZones)
        return std::to_string(serie.NombreZones) + " zones au lieu de " +
               std::to_string(reference.NombreZones);
    return std::nullopt;
}

std::string LibelleMoyenne(const std::vector<int>& sources) {
    std::string texte = "Moyenne des séries ";
    for (std::size_t i = 0; i < sources.size(); ++i)
        texte += (i == 0 ? "" : ", ") + std::to_string(sources[i]);
    return texte;
}

MoyenneDeSeries CalculeMoyenne(const std::vector<const Document*>& sources) {
    MoyenneDeSeries m;
    if (sources.empty()) return m;
    m.Serie = *sources.front();
    for (const Document* s : sources) {
        m.Sources.push_back(s->SerieCourante);
        const LignesValidees lignes = LignesDe(*s);
        for (int k = 1; k <= 2; ++k) {
            auto& tout = m.Lignes.Diametres[static_cast<std::size_t>(k)];
            const auto& ajout = lignes.Diametres[static_cast<std::size_t>(k)];
            tout.insert(tout.end(), ajout.begin(), ajout.end());
        }
    }
    m.Libelle = LibelleMoyenne(m.Sources);

    Document& d = m.Serie;
    const int n = ZonesUtilisees(d);
    for (auto& zone : d.Lectures)
        for (auto& ligne : zone) ligne = {};
    for (int k = 1; k <= 2; ++k) {
        const auto& lignes = m.Lignes.Diametres[static_cast<std::size_t>(k)];
        if (lignes.empty()) continue;
        for (std::size_t j = 0; j < lignes.size() && j < LignesMesure; ++j) {
            d.Lectures[0][j + 1][k] = 1;
            for (int i = 1; i <= n; ++i)
                d.Lectures[i][j + 1][k] = lignes[j][static_cast<std::size_t>(i)];
        }
        d.Lectures[0][LigneMoyennes][k] = static_cast<double>(lignes.size());
        for (int i = 1; i <= n; ++i) {
            Etendu somme = 0;
            for (const auto& ligne : lignes) somme += ligne[static_cast<std::size_t>(i)];
            d.Lectures[i][LigneMoyennes][k] = EnDouble(somme / static_cast<Etendu>(lignes.size()));
        }
    }
    d.DiametresValides = static_cast<std::uint8_t>((m.Lignes.Nombre(1) > 0 ? 1 : 0) +
                                                   (m.Lignes.Nombre(2) > 0 ? 2 : 0));
    // The latest of the sources' dates.
    for (const Document* s : sources)
        if (s->DateSerie > d.DateSerie) d.DateSerie = s->DateSerie;
    d.Commentaire = d.Note = m.Libelle;
    return m;
}

} // namespace tarvo
