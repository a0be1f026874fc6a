#include "cli/ExportOptique.h"

#include "cli/Json.h"
#include "document/Document.h"
#include "optics/Feuille.h"
#include "optics/Reduction.h"

#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace tarvo {

namespace {

void NombreOuNul(Json& json, std::string_view cle, const std::optional<double>& valeur) {
    if (valeur)
        json.Nombre(cle, *valeur);
    else
        json.Nul(cle);
}

} // namespace

std::string DecimalCsv(double valeur, int decimales) {
    if (!std::isfinite(valeur)) return "";
    char tampon[64];
    std::snprintf(tampon, sizeof tampon, "%.*f", decimales, valeur);
    std::string texte = tampon;
    // A value that rounds to zero is written without a minus sign.
    if (texte.front() == '-' && texte.find_first_not_of("-0.") == std::string::npos)
        texte.erase(0, 1);
    for (char& c : texte)
        if (c == '.') c = ',';
    return texte;
}

void EcritJsonFeuille(Json& json, const ResultatFeuille& f) {
    if (!f.Calculee()) {
        json.Nul();
        return;
    }
    json.DebutObjet();
    json.Nombre("RayonCourbure", f.RayonCourbure);
    json.Nombre("RayonTache", f.RayonTache);
    json.Nombre("RayonTacheAngulaire", f.RayonTacheAngulaire);
    json.Nombre("EpaisseurMinimale", f.EpaisseurMinimale);
    NombreOuNul(json, "Profondeur", f.Profondeur);
    NombreOuNul(json, "VolumeConcavite", f.VolumeConcavite);
    NombreOuNul(json, "MasseVerreUsine", f.MasseVerreUsine);
    NombreOuNul(json, "MasseMiroir", f.MasseMiroir);
    json.Nombre("EchelleImage", f.EchelleImage);
    json.Cle("zones");
    json.DebutTableau();
    for (int z = 1; z <= f.NombreZones; ++z) {
        const ZoneFeuille& zone = f.Zones[z];
        json.DebutObjet();
        json.Nombre("Hm", zone.Hm);
        json.Nombre("Hm2SurR", zone.Hm2SurR);
        NombreOuNul(json, "DemiTolerance", zone.DemiTolerance);
        NombreOuNul(json, "TolSup", zone.TolSup);
        NombreOuNul(json, "TolInf", zone.TolInf);
        json.FinObjet();
    }
    json.FinTableau();
    json.FinObjet();
}

void EcritJsonBulletin(Json& json, const ResultatReduction& b) {
    if (!b.Calculee()) {
        json.Nul();
        return;
    }
    json.DebutObjet();
    json.Nombre("RayonCourbure", b.RayonCourbure);
    json.Nombre("RayonTache", b.RayonTache);
    json.Nombre("RayonTacheAngulaire", b.RayonTacheAngulaire);
    json.Entier("DiametresValides", b.DiametresValides);
    json.Entier("DiametresRetenus", b.DiametresRetenus);
    json.Nombre("Constante", b.Constante);
    json.Cle("zones");
    json.DebutTableau();
    for (int i = 1; i <= b.NombreZones; ++i) {
        const ZoneBulletin& z = b.Zones[i];
        json.DebutObjet();
        json.Nombre("RayonExterieur", z.RayonExterieur);
        json.Nombre("Hm", z.Hm);
        json.Nombre("Hm2SurR", z.Hm2SurR);
        json.Nombre("CentHmSur4F", z.CentHmSur4F);
        json.Nombre("MoyenneA", z.MoyenneA);
        NombreOuNul(json, "MoyenneB", z.MoyenneB);
        json.Nombre("Moyenne", z.Moyenne);
        json.Nombre("MoyenneMoinsCte", z.MoyenneMoinsCte);
        json.Nombre("EcartLongitudinal", z.EcartLongitudinal);
        json.Nombre("AberrationTransversale", z.AberrationTransversale);
        json.Nombre("AberrationRelative", z.AberrationRelative);
        json.Nombre("Pente", z.Pente);
        json.Nombre("Onde", z.Onde);
        json.FinObjet();
    }
    json.FinTableau();
    json.Cle("PointBord");
    json.DebutObjet();
    json.Nombre("RayonExterieur", b.Zones[0].RayonExterieur);
    json.Nombre("Onde", b.Zones[0].Onde);
    json.FinObjet();
    json.Entier("PointParabole1", b.Parabole.PointParabole1);
    json.Entier("PointParabole2", b.Parabole.PointParabole2);
    json.Entier("PointEcartMax", b.Parabole.PointEcartMax);
    json.Nombre("EcartMax", b.Parabole.EcartMax);
    json.Nombre("ParaboleA", b.Parabole.Coefficients.A);
    json.Nombre("ParaboleB", b.Parabole.Coefficients.B);
    NombreOuNul(json, "FractionLambda", b.FractionLambda);
    json.Nombre("FMax", b.Echelle.FMax);
    json.Entier("PointFMax", b.Echelle.PointFMax);
    json.Nombre("AberrationCentre", b.Echelle.AberrationCentre);
    json.Nombre("AberrationBord", b.Echelle.AberrationBord);
    json.Nombre("Max", b.Echelle.Max);
    json.Nombre("Min", b.Echelle.Min);
    json.Nombre("Etendue", b.Echelle.Etendue);
    json.FinObjet();
}

void EcritCsvBulletin(const Document& doc, const ResultatReduction& b, std::string& sortie) {
    if (!b.Calculee()) return;
    const double k = doc.CoefDeformation;
    const bool parabolique = k > -1.001 && k < -0.999;
    const bool spherique = k > -0.001 && k < 0.001;
    const bool deuxDiametres = b.DiametresRetenus == 3;
    // The report names its single measures row after the diameter kept.
    const char* mesures = b.DiametresValides != 3   ? "Mesures"
                          : b.DiametresRetenus == 1 ? "D1 moyen"
                                                    : "D2 moyen";
    struct Colonne {
        std::string Titre;
        double ZoneBulletin::*Valeur;
        int Decimales;
    };
    std::vector<Colonne> colonnes{{"H. Ext", &ZoneBulletin::RayonExterieur, 1},
                                  {"Hm", &ZoneBulletin::Hm, 2}};
    if (!spherique)
        colonnes.push_back({parabolique ? "Hm2/R" : "Hm2/R.K", &ZoneBulletin::Hm2SurR, 3});
    colonnes.push_back({"100Hm/4F", &ZoneBulletin::CentHmSur4F, 3});
    if (deuxDiametres) {
        colonnes.push_back({"D1 moyen", &ZoneBulletin::MoyenneA, 3});
        colonnes.push_back({"D2 moyen", nullptr, 3});
        colonnes.push_back({"Moyenne", &ZoneBulletin::Moyenne, 3});
    } else {
        colonnes.push_back({mesures, &ZoneBulletin::MoyenneA, 3});
    }
    colonnes.push_back({"Moy.-Cte", &ZoneBulletin::MoyenneMoinsCte, 3});
    colonnes.push_back({"Lambda c", &ZoneBulletin::EcartLongitudinal, 3});
    colonnes.push_back({"1000 lambda F", &ZoneBulletin::AberrationTransversale, 3});
    colonnes.push_back({"lambda F/rho", &ZoneBulletin::AberrationRelative, 3});
    colonnes.push_back({"-10^6 u", &ZoneBulletin::Pente, 3});

    sortie += "Zones";
    for (const auto& c : colonnes)
        sortie += ';' + c.Titre;
    sortie += "\r\n";
    for (int i = 1; i <= b.NombreZones; ++i) {
        const ZoneBulletin& z = b.Zones[i];
        sortie += std::to_string(i);
        for (const auto& c : colonnes) {
            const double v = c.Valeur ? z.*c.Valeur : z.MoyenneB.value_or(0);
            sortie += ';' + DecimalCsv(v, c.Decimales);
        }
        sortie += "\r\n";
    }
}

} // namespace tarvo
