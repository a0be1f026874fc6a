#include "cli/ExportHistorique.h"

#include "cli/ExportOptique.h"
#include "document/Dates.h"

namespace tarvo {

namespace {

std::string Champ(const std::string& texte) {
    if (texte.find_first_of(";\"\r\n") == std::string::npos) return texte;
    std::string cite = "\"";
    for (const char c : texte) cite += c == '"' ? std::string("\"\"") : std::string(1, c);
    return cite + "\"";
}

} // namespace

void EcritCsvHistorique(const std::vector<ResumeSerie>& series, std::string& sortie) {
    sortie += "Serie;Date;Diametre;Lectures;EcartMax;FractionLambda;EcartRMS;Strehl;"
              "ConiqueAjustee;Commentaire\r\n";
    for (const ResumeSerie& s : series) {
        auto valeur = [&s](const std::optional<double>& v, int decimales) {
            return s.Calculee() && v ? DecimalCsv(*v, decimales) : std::string();
        };
        sortie += std::to_string(s.Numero) + ';' + TexteJourMoisAnnee(s.Date) + ';' +
                  DecimalCsv(s.Diametre, 1) + ';' + std::to_string(s.Lectures) + ';' +
                  valeur(s.EcartMax, 2) + ';' + valeur(s.FractionLambda, 1) + ';' +
                  valeur(s.EcartRMS, 2) + ';' + valeur(s.Strehl, 4) + ';' +
                  valeur(s.Conique, 3) + ';' + Champ(s.Commentaire) + "\r\n";
    }
}

} // namespace tarvo
