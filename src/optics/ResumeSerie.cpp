#include "optics/ResumeSerie.h"

#include "optics/Analyse.h"

namespace tarvo {

ResumeSerie ResumeDe(const Document& doc, const LignesValidees* lignes) {
    ResumeSerie r;
    r.Numero = doc.SerieCourante;
    r.Date = doc.DateSerie;
    r.Diametre = doc.DiametreSerie;
    const std::string& note = doc.Note;
    r.Commentaire = note.substr(0, note.find_first_of("\r\n"));

    const LignesValidees propres = lignes ? LignesValidees{} : LignesDe(doc);
    const LignesValidees& l = lignes ? *lignes : propres;
    r.Lectures = (l.Nombre(1) + l.Nombre(2)) * ZonesUtilisees(doc);

    // Both diameters kept; the document is left as it is.
    const ResultatReduction reduction = ReduitSerie(doc, true, true, 3);
    r.Etat = reduction.Etat;
    if (!reduction.Calculee()) return r;
    const FiguresAnalyse f = CalculeFigures(reduction, l);
    r.EcartMax = f.EcartMax;
    r.FractionLambda = f.FractionLambda;
    r.EcartRMS = f.EcartRMS;
    r.Strehl = f.Strehl;
    r.Conique = f.ConiqueAjustee;
    r.NombreZones = reduction.NombreZones;
    for (int i = 1; i <= reduction.NombreZones; ++i) {
        const ZoneBulletin& z = reduction.Zones[static_cast<std::size_t>(i)];
        r.Hm[static_cast<std::size_t>(i)] = z.Hm;
        r.EcartLongitudinal[static_cast<std::size_t>(i)] = z.EcartLongitudinal;
    }
    return r;
}

} // namespace tarvo
