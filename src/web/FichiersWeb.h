#pragma once

#include "platform/Fichiers.h"

#include <map>
#include <set>
#include <string>

namespace tarvo {

// The files of the page: in memory, as the page's script brings them (a document opened or
// dropped, the settings and documents kept in the browser's storage). What the program
// writes or deletes is told to the script, which keeps in storage what must outlive the
// page. The help pages are files of the site: they exist, and are not read here.
class FichiersWeb final : public Fichiers {
  public:
    // A file brought by the script: nothing is told back.
    void Depose(const std::string& nom, std::string octets);
    void AjouteExterne(const std::string& nom) { externes_.insert(nom); }
    // The bytes of a file, or nothing.
    const std::string* Contenu(const std::string& nom) const;
    // While silent, what is written or deleted is not told to the script.
    void FixeMuet(bool muet) { muet_ = muet; }

    std::optional<std::string> Lit(const std::string& chemin) override;
    bool Ecrit(const std::string& chemin, std::string_view contenu) override;
    ResultatEcriture EcritSortie(const std::string& chemin, std::string_view contenu) override;
    bool Existe(const std::string& chemin) override;
    bool Supprime(const std::string& chemin) override;
    bool Renomme(const std::string& ancien, const std::string& nouveau) override;
    NatureChemin Nature(const std::string& chemin) override;

  private:
    std::map<std::string, std::string> fichiers_;
    std::set<std::string> externes_;
    bool muet_ = false;
};

// A name as the system's file functions take it: trailing blanks dropped, as on the desktop.
std::string NomWeb(const std::string& chemin);

} // namespace tarvo
