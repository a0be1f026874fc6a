#include "app/HistoriqueSeries.h"

#include "document/Lecteur.h"

namespace tarvo {

const std::vector<ResumeSerie>& HistoriqueSeries::Series(const Document& doc) {
    if (doc.NomFichier.empty()) {
        Nom.clear();
        Contenu.clear();
        DuFichier.clear();
    } else if (auto contenu = Fichiers_.Lit(doc.NomFichier)) {
        if (doc.NomFichier != Nom || *contenu != Contenu) {
            Nom = doc.NomFichier;
            Contenu = std::move(*contenu);
            DuFichier.clear();
            ParcourtSeries(Contenu, [this](const Document& serie) {
                DuFichier.push_back(ResumeDe(serie));
            });
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
