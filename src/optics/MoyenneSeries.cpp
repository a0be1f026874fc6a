#include "optics/MoyenneSeries.h"

#include "optics/Precision.h"
#include "optics/TexteEnLangue.h"

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

std::optional<std::string> SansLigne(const Document& serie, Systeme* systeme) {
    const LignesValidees lignes = LignesDe(serie);
    if (lignes.Nombre(1) + lignes.Nombre(2) == 0)
        return TexteEnLangue(systeme, TARVO_NOOP("Pages", "aucune ligne validée"));
    return std::nullopt;
}

std::optional<std::string> Incompatible(const Document& reference, const Document& serie, char sep,
                                        Systeme* systeme) {
    if (auto motif = SansLigne(serie, systeme)) return motif;
    auto differe = [](double a, double b) { return !(std::fabs(a - b) <= Tolerance); };
    auto motif = [&](std::string_view modele, double valeur, double attendue) {
        return Remplace(TexteEnLangue(systeme, modele),
                        {Millimetres(valeur, sep), Millimetres(attendue, sep)});
    };
    if (differe(serie.DiametreSerie, reference.DiametreSerie))
        return motif(TARVO_NOOP("Pages", "diamètre de %1 au lieu de %2"), serie.DiametreSerie,
                     reference.DiametreSerie);
    if (differe(serie.FocaleSerie, reference.FocaleSerie))
        return motif(TARVO_NOOP("Pages", "focale de %1 au lieu de %2"), serie.FocaleSerie,
                     reference.FocaleSerie);
    if (differe(serie.TrouCentralSerie, reference.TrouCentralSerie))
        return motif(TARVO_NOOP("Pages", "trou central de %1 au lieu de %2"),
                     serie.TrouCentralSerie, reference.TrouCentralSerie);
    if (serie.NombreZones != reference.NombreZones)
        return Remplace(TexteEnLangue(systeme, TARVO_NOOP("Pages", "%1 zones au lieu de %2")),
                        {std::to_string(serie.NombreZones), std::to_string(reference.NombreZones)});
    return std::nullopt;
}

std::string Libelle(const std::vector<int>& sources, Systeme* systeme) {
    std::string numeros;
    for (std::size_t i = 0; i < sources.size(); ++i)
        numeros += (i == 0 ? "" : ", ") + std::to_string(sources[i]);
    return Remplace(TexteEnLangue(systeme, TARVO_NOOP("Pages", "Moyenne des séries %1")),
                    {numeros});
}

} // namespace

std::optional<std::string> MotifSansLigne(const Document& serie) {
    return SansLigne(serie, nullptr);
}

std::optional<std::string> MotifSansLigne(const Document& serie, Systeme& systeme) {
    return SansLigne(serie, &systeme);
}

std::optional<std::string> MotifIncompatible(const Document& reference, const Document& serie,
                                             char sep) {
    return Incompatible(reference, serie, sep, nullptr);
}

std::optional<std::string> MotifIncompatible(const Document& reference, const Document& serie,
                                             Systeme& systeme) {
    return Incompatible(reference, serie, systeme.SeparateurDecimal(), &systeme);
}

std::string LibelleMoyenne(const std::vector<int>& sources) {
    return Libelle(sources, nullptr);
}

std::string LibelleMoyenne(const std::vector<int>& sources, Systeme& systeme) {
    return Libelle(sources, &systeme);
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
