#include "app/HistoriqueSeries.h"

#include "document/Lecteur.h"

#include <algorithm>
#include <memory>
#include <thread>

namespace tarvo {

namespace {

// Below this many series one thread reduces them all faster than two can start.
constexpr std::size_t SeriesPourDeuxFils = 64;

// `travail(i)` for every i of `indices`; on two threads for many, each taking half (they
// share nothing but what they read).
template <typename Travail> void Partage(const std::vector<int>& indices, Travail travail) {
    auto fait = [&indices, &travail](std::size_t debut, std::size_t fin) {
        for (std::size_t i = debut; i < fin; ++i)
            travail(indices[i]);
    };
    const std::size_t moitie = indices.size() / 2;
    if (indices.size() >= SeriesPourDeuxFils && std::thread::hardware_concurrency() > 1) {
        std::thread second(fait, moitie, indices.size());
        fait(0, moitie);
        second.join();
    } else {
        fait(0, indices.size());
    }
}

} // namespace

std::vector<int> HistoriqueSeries::AReduire() const {
    std::vector<int> series;
    for (int s = 1; s <= Index_.SeriesEntieres(); ++s) {
        const auto i = static_cast<std::size_t>(s - 1);
        if (i >= Versions.size() || Versions[i] != Index_.VersionSerie(s)) series.push_back(s);
    }
    return series;
}

void HistoriqueSeries::PrepareEnFond() {
    if (!Calculs || Index_.Nom().empty() || !Index_.Complet()) return;
    std::vector<int> series = AReduire();
    if (series.empty()) return;
    std::vector<std::pair<int, std::uint64_t>> versions;
    for (const int s : series)
        versions.emplace_back(s, Index_.VersionSerie(s));
    auto lignes = std::make_shared<std::vector<ResumeSerie>>(series.size());
    Calculs->Lance(
        [copie = Index_, series = std::move(series), lignes] {
            for (std::size_t i = 0; i < series.size(); ++i)
                LitSeriePlacee(copie, series[i],
                               [&](const Document& lue) { (*lignes)[i] = ResumeDe(lue); });
        },
        [this, versions = std::move(versions), lignes] { Recoit(versions, std::move(*lignes)); });
}

void HistoriqueSeries::Recoit(std::vector<std::pair<int, std::uint64_t>> versions,
                              std::vector<ResumeSerie> lignes) {
    // Only for the text the index still holds, and the series the history still has.
    if (!Index_.Complet()) return;
    const auto n = static_cast<std::size_t>(Index_.SeriesEntieres());
    if (DuFichier.size() != n) {
        DuFichier.resize(n);
        Versions.resize(n, 0);
    }
    for (std::size_t k = 0; k < versions.size(); ++k) {
        const auto [serie, version] = versions[k];
        const auto i = static_cast<std::size_t>(serie - 1);
        if (i >= n || Index_.VersionSerie(serie) != version || Versions[i] == version) continue;
        DuFichier[i] = std::move(lignes[k]);
        Versions[i] = version;
        Copiees = false;
    }
}

// True when the lines of the file changed.
bool HistoriqueSeries::ReduitDuFichier() {
    if (PlaceToutesLesSeries(Index_)) {
        const auto n = static_cast<std::size_t>(Index_.SeriesEntieres());
        bool change = n != DuFichier.size();
        DuFichier.resize(n);
        Versions.resize(n, 0);
        const std::vector<int> aReduire = AReduire();
        if (aReduire.empty()) return change;
        // Each series read from its place and reduced on its own copy.
        Partage(aReduire, [this](int serie) {
            LitSeriePlacee(Index_, serie, [this, serie](const Document& lue) {
                DuFichier[static_cast<std::size_t>(serie - 1)] = ResumeDe(lue);
            });
        });
        for (const int serie : aReduire)
            Versions[static_cast<std::size_t>(serie - 1)] = Index_.VersionSerie(serie);
        VersionSequentielle = 0;
        return true;
    }
    // The older layouts: read through, for each content of the file.
    if (VersionSequentielle == Index_.Version()) return false;
    std::vector<Document> series;
    ParcourtSeries(Index_.Octets(), [&series](const Document& serie) { series.push_back(serie); });
    DuFichier.resize(series.size());
    std::vector<int> toutes(series.size());
    for (std::size_t i = 0; i < series.size(); ++i)
        toutes[i] = static_cast<int>(i);
    Partage(toutes, [this, &series](int i) {
        DuFichier[static_cast<std::size_t>(i)] = ResumeDe(series[static_cast<std::size_t>(i)]);
    });
    Versions.assign(series.size(), 0);
    VersionSequentielle = Index_.Version();
    return true;
}

const std::vector<ResumeSerie>& HistoriqueSeries::Series(const Document& doc) {
    bool change = false;
    const auto oublie = [this, &change] {
        change = change || !DuFichier.empty() || !Copiees;
        DuFichier.clear();
        Versions.clear();
        VersionSequentielle = 0;
    };
    if (doc.NomFichier.empty()) {
        oublie();
    } else if (Index_.Relit(Fichiers_, doc.NomFichier)) {
        change = ReduitDuFichier();
    } else {
        // A file gone since it was opened: only the series in memory is known.
        oublie();
    }
    const int nombre = std::max(doc.NombreSeries, 1);
    const bool enMemoire = doc.SerieCourante >= nombre;
    const auto depuisFichier =
        std::min(DuFichier.size(), static_cast<std::size_t>(enMemoire ? nombre - 1 : nombre));
    if (change || !Copiees || LignesCopiees != depuisFichier)
        Lignes.assign(DuFichier.begin(), DuFichier.begin() + static_cast<long>(depuisFichier));
    else
        Lignes.resize(depuisFichier);
    Copiees = true;
    LignesCopiees = depuisFichier;
    if (enMemoire) {
        ResumeSerie r = ResumeDe(doc);
        r.Numero = nombre;
        Lignes.push_back(std::move(r));
    }
    return Lignes;
}

} // namespace tarvo
