#include "app/HistoriqueSeries.h"

#include "document/Lecteur.h"

#include <thread>

namespace tarvo {

namespace {

// Below this many series one thread reduces them all faster than two can start.
constexpr std::size_t SeriesPourDeuxFils = 64;

// Each series reduced; on two threads for a long document, each taking half the series
// (they share nothing: each reduces its own copies).
std::vector<ResumeSerie> Resume(const std::vector<Document>& series) {
    std::vector<ResumeSerie> lignes(series.size());
    auto reduit = [&series, &lignes](std::size_t debut, std::size_t fin) {
        for (std::size_t i = debut; i < fin; ++i) lignes[i] = ResumeDe(series[i]);
    };
    const std::size_t moitie = series.size() / 2;
    if (series.size() >= SeriesPourDeuxFils && std::thread::hardware_concurrency() > 1) {
        std::thread second(reduit, moitie, series.size());
        reduit(0, moitie);
        second.join();
    } else {
        reduit(0, series.size());
    }
    return lignes;
}

} // namespace

const std::vector<ResumeSerie>& HistoriqueSeries::Series(const Document& doc) {
    if (doc.NomFichier.empty()) {
        Nom.clear();
        Contenu.clear();
        DuFichier.clear();
    } else if (auto contenu = Fichiers_.Lit(doc.NomFichier)) {
        if (doc.NomFichier != Nom || *contenu != Contenu) {
            Nom = doc.NomFichier;
            Contenu = std::move(*contenu);
            std::vector<Document> series;
            ParcourtSeries(Contenu, [&series](const Document& serie) { series.push_back(serie); });
            DuFichier = Resume(series);
        }
    } else {
        // A file gone since it was opened: only the series in memory is known.
        Nom.clear();
        Contenu.clear();
        DuFichier.clear();
    }
    Lignes.clear();
    const int nombre = std::max(doc.NombreSeries, 1);
    const bool enMemoire = doc.SerieCourante >= nombre;
    for (int s = 1; s <= nombre; ++s) {
        if (s == nombre && enMemoire) {
            ResumeSerie r = ResumeDe(doc);
            r.Numero = s;
            Lignes.push_back(std::move(r));
        } else if (s <= static_cast<int>(DuFichier.size())) {
            Lignes.push_back(DuFichier[static_cast<std::size_t>(s - 1)]);
        }
    }
    return Lignes;
}

} // namespace tarvo
