#include "Relecture.h"

#include "cli/DialoguesEnregistres.h"
#include "document/Conversions.h"
#include "document/Document.h"
#include "document/Lecteur.h"
#include "posix/FichiersPosix.h"

#include <sstream>

namespace tarvo::test {

namespace {

// Numbers are equal when the file writes them the same: it holds 15 significant digits, and a
// radius computed to the last bit reads back to the nearest number of 15 digits.
bool Egaux(double memoire, double relu) {
    return TexteFichierRelisible(memoire) == TexteFichierRelisible(relu);
}
template <typename T> bool Egaux(const T& memoire, const T& relu) {
    return memoire == relu;
}

template <typename T> std::string Ecart(const std::string& quoi, const T& memoire, const T& relu) {
    if (Egaux(memoire, relu)) return {};
    std::ostringstream texte;
    texte.precision(17);
    texte << quoi << " : " << memoire << " en mémoire, " << relu << " relu";
    return texte.str();
}

} // namespace

std::string EcartRelecture(const Document& memoire) {
    FichiersPosix fichiers;
    DialoguesEnregistres muets;
    Document relu;
    InitialiseDocument(relu, 0);
    relu.NomFichier = memoire.NomFichier;
    LireDocument(relu, fichiers, muets);
    if (!muets.Messages.empty())
        return "la relecture de " + memoire.NomFichier + " dit « " + muets.Messages[0].Texte + " »";
    if (!relu.FichierOuvert || relu.EntierIncorrect || relu.NombreIncorrect)
        return memoire.NomFichier + " ne se relit pas";

    std::string ecart;
    const auto compare = [&ecart](const std::string& quoi, const auto& m, const auto& r) {
        if (ecart.empty()) ecart = Ecart(quoi, m, r);
    };
    compare("intitulé", memoire.Intitule, relu.Intitule);
    compare("diamètre", memoire.Diametre, relu.Diametre);
    compare("focale", memoire.Focale, relu.Focale);
    compare("épaisseur", memoire.Epaisseur, relu.Epaisseur);
    compare("K", memoire.CoefDeformation, relu.CoefDeformation);
    compare("trou central", memoire.TrouCentral, relu.TrouCentral);
    compare("nombre de zones", memoire.NombreZones, relu.NombreZones);
    const int zones = ZonesUtilisees(memoire);
    for (int z = 1; z <= zones; ++z)
        compare("rayon de la zone " + std::to_string(z), memoire.Zones[z][RayonExterieur],
                relu.Zones[z][RayonExterieur]);
    compare("nombre de séries", memoire.NombreSeries, relu.SerieCourante);
    if (!ecart.empty() || memoire.SerieCourante != memoire.NombreSeries) return ecart;

    for (int d = 1; d <= 2; ++d)
        for (int ligne = 1; ligne <= LignesMesure; ++ligne)
            for (int z = 0; z <= zones; ++z)
                compare("lecture [" + std::to_string(z) + "][" + std::to_string(ligne) + "][" +
                            std::to_string(d) + "]",
                        memoire.Lectures[z][ligne][d], relu.Lectures[z][ligne][d]);
    compare("date de la série", memoire.DateSerie, relu.DateSerie);
    compare("diamètre de la série", memoire.DiametreSerie, relu.DiametreSerie);
    compare("focale de la série", memoire.FocaleSerie, relu.FocaleSerie);
    compare("trou central de la série", memoire.TrouCentralSerie, relu.TrouCentralSerie);
    compare("commentaire", memoire.Commentaire, relu.Commentaire);
    return ecart;
}

} // namespace tarvo::test
