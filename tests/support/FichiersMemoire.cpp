#include "support/FichiersMemoire.h"

#include "posix/FichiersPosix.h"

namespace tarvo::test {

std::optional<std::string> FichiersMemoire::Lit(const std::string& chemin) {
    const std::string nom = CheminSysteme(chemin);
    Journal.push_back("lit " + nom);
    if (LectureEchoue.count(nom) != 0) return std::nullopt;
    const auto it = Contenus.find(nom);
    if (it == Contenus.end()) return std::nullopt;
    return it->second;
}

bool FichiersMemoire::Ecrit(const std::string& chemin, std::string_view contenu) {
    const std::string nom = CheminSysteme(chemin);
    Journal.push_back("ecrit " + nom);
    if (EcritureEchoue.count(nom) != 0) {
        // A failed write may leave a partial file behind, as a full disk does.
        Contenus[nom] = std::string(contenu.substr(0, contenu.size() / 2));
        return false;
    }
    Contenus[nom] = std::string(contenu);
    return true;
}

ResultatEcriture FichiersMemoire::EcritSortie(const std::string& chemin,
                                              std::string_view contenu) {
    const std::string nom = CheminSysteme(chemin);
    Journal.push_back("sortie " + nom);
    if (EcritureEchoue.count(nom) != 0) return {CauseEchec::DisquePlein, 0};
    Contenus[nom] = std::string(contenu);
    return {};
}

bool FichiersMemoire::Existe(const std::string& chemin) {
    return Contenus.count(CheminSysteme(chemin)) != 0;
}

bool FichiersMemoire::Supprime(const std::string& chemin) {
    const std::string nom = CheminSysteme(chemin);
    Journal.push_back("supprime " + nom);
    if (SuppressionEchoue.count(nom) != 0) return false;
    return Contenus.erase(nom) != 0;
}

bool FichiersMemoire::Renomme(const std::string& ancien, const std::string& nouveau) {
    const std::string de = CheminSysteme(ancien);
    const std::string vers = CheminSysteme(nouveau);
    Journal.push_back("renomme " + de + " " + vers);
    if (RenommageEchoue.count(de) != 0) return false;
    const auto it = Contenus.find(de);
    if (it == Contenus.end() || Contenus.count(vers) != 0) return false;
    std::string contenu = std::move(it->second);
    Contenus.erase(it);
    Contenus[vers] = std::move(contenu);
    return true;
}

} // namespace tarvo::test
