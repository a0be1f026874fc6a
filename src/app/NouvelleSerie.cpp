#include "app/NouvelleSerie.h"

#include <algorithm>

namespace tarvo {

PlaceNouvelleSerie CommenceNouvelleSerie(Document& doc, double aujourdhui,
                                         const PlaceNouvelleSerie* dejaCommencee) {
    PlaceNouvelleSerie place;
    if (dejaCommencee != nullptr) {
        place = *dejaCommencee;
    } else {
        const bool derniereVide = !SerieNonVide(doc) && doc.SerieCourante >= doc.NombreSeries;
        place.Ajoutee = !derniereVide;
        place.SerieARelire = doc.NomFichier.empty() ? 0 : std::max(doc.NombreSeries, 0);
        if (place.Ajoutee) ++doc.NombreSeries;
    }
    doc.NombreSeries = std::max(doc.NombreSeries, 1);
    doc.SerieCourante = doc.NombreSeries;
    for (auto& zone : doc.Lectures)
        for (auto& ligne : zone)
            ligne = {};
    doc.DateSerie = aujourdhui;
    doc.Commentaire.clear();
    doc.Note.clear();
    doc.RetenirD1 = doc.RetenirD2 = true;
    return place;
}

} // namespace tarvo
