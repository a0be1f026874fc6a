#include "document/Document.h"

#include <algorithm>

namespace tarvo {

int ZonesUtilisees(const Document& doc) { return std::clamp(doc.NombreZones, 0, ZonesMax); }

void InitialiseDocument(Document& doc, double aujourdhui) {
    doc.Commentaire.clear();
    doc.Note.clear();
    doc.DetailMiroir = true;
    doc.RetenirD1 = true;
    doc.RetenirD2 = true;
    doc.DetailZones = true;
    doc.SerieCourante = 1;
    doc.NombreSeries = 1;
    doc.SerieDemandee = -1;
    doc.Intitule.clear();
    doc.DiametreSerie = 0;
    doc.FocaleSerie = 0;
    doc.Diametre = 0;
    doc.Focale = 0;
    doc.RayonCourbure = 0;
    doc.Epaisseur = 0;
    doc.CoefDeformation = -1;
    doc.NombreZones = 3;
    doc.TrouCentral = 0;
    doc.TrouCentralSerie = 0;
    for (auto& ligne : doc.Zones) ligne.fill(0);
    // Line 11 (the means) is left as it was: nothing shows it before it is recomputed.
    for (auto& zone : doc.Lectures)
        for (int j = 1; j <= LignesMesure; ++j) zone[j].fill(0);
    doc.DateSerie = aujourdhui;
    doc.NomFichier.clear();
    doc.Modifie = false;
    doc.ModifieBulletin = false;
}

bool CaracteristiquesValides(const Document& doc) { return doc.Diametre > 1 && doc.Focale > 1; }

bool SerieNonVide(const Document& doc) {
    const int n = ZonesUtilisees(doc);
    double somme = 0;
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= LignesMesure; ++j)
            for (int k = 1; k <= 2; ++k) somme += doc.Lectures[i][j][k];
    return somme > 0.0001;
}

void CalculeMoyennes(Document& doc) {
    const int n = ZonesUtilisees(doc);
    auto& l = doc.Lectures;
    for (int k = 1; k <= 2; ++k)
        for (int i = 0; i <= n; ++i) l[i][LigneMoyennes][k] = 0;
    for (int k = 1; k <= 2; ++k)
        for (int j = 1; j <= LignesMesure; ++j)
            if (l[0][j][k] > 0.0001)
                for (int i = 0; i <= n; ++i) l[i][LigneMoyennes][k] += l[i][j][k];
    for (int k = 1; k <= 2; ++k)
        if (l[0][LigneMoyennes][k] > 0.0001)
            for (int i = 1; i <= n; ++i) l[i][LigneMoyennes][k] /= l[0][LigneMoyennes][k];
    doc.DiametresValides = static_cast<std::uint8_t>((l[0][LigneMoyennes][1] > 0.0001 ? 1 : 0) +
                                                     (l[0][LigneMoyennes][2] > 0.0001 ? 2 : 0));
}

} // namespace tarvo
