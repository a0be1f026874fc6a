#include "web/FichiersWeb.h"

#include "web/Pont.h"

namespace tarvo {

std::string NomWeb(const std::string& chemin) {
    const auto fin = chemin.find_last_not_of(' ');
    return fin == std::string::npos ? std::string() : chemin.substr(0, fin + 1);
}

void FichiersWeb::Depose(const std::string& nom, std::string octets) {
    fichiers_[NomWeb(nom)] = std::move(octets);
}

const std::string* FichiersWeb::Contenu(const std::string& nom) const {
    const auto f = fichiers_.find(NomWeb(nom));
    return f == fichiers_.end() ? nullptr : &f->second;
}

std::optional<std::string> FichiersWeb::Lit(const std::string& chemin) {
    const std::string* contenu = Contenu(chemin);
    if (contenu == nullptr) return std::nullopt;
    return *contenu;
}

bool FichiersWeb::Ecrit(const std::string& chemin, std::string_view contenu) {
    const std::string nom = NomWeb(chemin);
    if (nom.empty() || nom.back() == '/') return false;
    auto& octets = fichiers_[nom];
    // The settings are written after every event: the script hears of a change only.
    const bool change = octets != contenu;
    octets = std::string(contenu);
    if (!muet_ && change) tw_fichier_ecrit(nom.c_str(), contenu.data(), static_cast<int>(contenu.size()));
    return true;
}

ResultatEcriture FichiersWeb::EcritSortie(const std::string& chemin, std::string_view contenu) {
    return Ecrit(chemin, contenu) ? ResultatEcriture{} : ResultatEcriture{CauseEchec::Dossier, 0};
}

bool FichiersWeb::Existe(const std::string& chemin) {
    const std::string nom = NomWeb(chemin);
    return fichiers_.count(nom) != 0 || externes_.count(nom) != 0;
}

bool FichiersWeb::Supprime(const std::string& chemin) {
    const std::string nom = NomWeb(chemin);
    if (fichiers_.erase(nom) == 0) return false;
    if (!muet_) tw_fichier_supprime(nom.c_str());
    return true;
}

bool FichiersWeb::Renomme(const std::string& ancien, const std::string& nouveau) {
    const std::string de = NomWeb(ancien), vers = NomWeb(nouveau);
    const auto f = fichiers_.find(de);
    // As on the desktop, a rename never replaces a file.
    if (f == fichiers_.end() || Existe(vers) || vers.empty()) return false;
    std::string octets = std::move(f->second);
    fichiers_.erase(f);
    if (!muet_) {
        tw_fichier_supprime(de.c_str());
        tw_fichier_ecrit(vers.c_str(), octets.data(), static_cast<int>(octets.size()));
    }
    fichiers_[vers] = std::move(octets);
    return true;
}

NatureChemin FichiersWeb::Nature(const std::string& chemin) {
    return Existe(chemin) ? NatureChemin::Fichier : NatureChemin::Absent;
}

} // namespace tarvo
