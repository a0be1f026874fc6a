#include "Fabrique.h"

#include "document/Lecteur.h"

namespace tarvo::test {

std::vector<std::string> FichierVersion2(const std::vector<SerieTest>& series,
                                         const std::string& signature, const std::string& trou) {
    std::vector<std::string> l = {signature, "\"Essai\"", "\"200\"", "\"1200\"", "\"25\"", "\"-1\""};
    if (signature != "tarvo 2.0") l.push_back("\"" + trou + "\"");
    for (const char* v : {"\"2\"", "\"50\"", "\"100\""}) l.push_back(v);
    for (const auto& s : series) {
        l.push_back("\"" + s.Date + "\"");
        l.push_back("\"" + s.Diametre + "\"");
        l.push_back("\"" + s.Focale + "\"");
        if (signature != "tarvo 2.0") l.push_back("\"" + s.Trou + "\"");
        for (int k = 1; k <= 2; ++k)
            for (int j = 1; j <= 10; ++j) {
                const bool premiere = k == 1 && j == 1;
                l.push_back(premiere ? "\"1\"" : "\"0\"");
                for (int i = 0; i < 2; ++i)
                    l.push_back(premiere ? "\"" + s.Lecture1[static_cast<std::size_t>(i)] + "\""
                                         : "\"0\"");
            }
        for (const auto& c : s.Commentaire) l.push_back(c);
        l.push_back("\"-\"");
    }
    return l;
}

std::string Joint(const std::vector<std::string>& lignes) {
    std::string texte;
    for (const auto& l : lignes) texte += l + "\r\n";
    return texte;
}

void Ouvre(Lu& lu, FichiersMemoire& fichiers, const std::string& nom, int serie) {
    InitialiseDocument(lu.doc, 46365);
    lu.doc.NomFichier = nom;
    LireDocument(lu.doc, fichiers, lu.dialogues);
    lu.doc.NombreSeries = lu.doc.SerieCourante;
    if (serie > 0) {
        lu.doc.SerieDemandee = serie;
        LireDocument(lu.doc, fichiers, lu.dialogues);
    }
}

} // namespace tarvo::test
