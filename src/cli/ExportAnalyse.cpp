#include "cli/ExportAnalyse.h"

#include "cli/ExportOptique.h"
#include "cli/Json.h"
#include "optics/Analyse.h"
#include "optics/Reechantillonnage.h"

#include <optional>
#include <string_view>

namespace tarvo {

namespace {

void NombreOuNul(Json& json, std::string_view cle, const std::optional<double>& valeur) {
    if (valeur)
        json.Nombre(cle, *valeur);
    else
        json.Nul(cle);
}

} // namespace

void EcritJsonAnalyse(Json& json, const FiguresAnalyse& f, const IncertitudesAnalyse& u) {
    json.DebutObjet();
    NombreOuNul(json, "EcartRMS", f.EcartRMS);
    NombreOuNul(json, "FractionLambdaRMS", f.FractionLambdaRMS);
    NombreOuNul(json, "Strehl", f.Strehl);
    NombreOuNul(json, "ConiqueAjustee", f.ConiqueAjustee);
    NombreOuNul(json, "ConiqueIncertitude", f.ConiqueIncertitude);
    NombreOuNul(json, "EcartMaxIncertitude", u.EcartMax);
    NombreOuNul(json, "EcartRMSIncertitude", u.EcartRMS);
    NombreOuNul(json, "StrehlIncertitude", u.Strehl);
    json.FinObjet();
}

void EcritCsvAnalyse(const FiguresAnalyse& f, const IncertitudesAnalyse& u, std::string& sortie) {
    if (!f.EcartMax) return;
    struct Ligne {
        std::string_view Cle;
        const std::optional<double>& Valeur;
        const std::optional<double>& Incertitude;
        int Decimales;
    };
    const std::optional<double> aucune;
    const Ligne lignes[] = {
        {"EcartMax", f.EcartMax, u.EcartMax, 2},
        {"EcartRMS", f.EcartRMS, u.EcartRMS, 2},
        {"FractionLambdaRMS", f.FractionLambdaRMS, aucune, 1},
        {"Strehl", f.Strehl, u.Strehl, 4},
        {"ConiqueAjustee", f.ConiqueAjustee, f.ConiqueIncertitude, 3},
    };
    sortie += "\r\nAnalyse;Valeur;Incertitude\r\n";
    for (const Ligne& l : lignes) {
        sortie += l.Cle;
        sortie += ';' + (l.Valeur ? DecimalCsv(*l.Valeur, l.Decimales) : std::string());
        sortie += ';' + (l.Incertitude ? DecimalCsv(*l.Incertitude, l.Decimales) : std::string());
        sortie += "\r\n";
    }
}

} // namespace tarvo
