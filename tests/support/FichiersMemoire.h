#pragma once

#include "platform/Fichiers.h"

#include <map>
#include <set>
#include <vector>
#include <string>

namespace tarvo::test {

// A file system in memory, for tests: files are a map from name to bytes, and any
// operation can be made to fail on a chosen name.
class FichiersMemoire : public Fichiers {
public:
    std::optional<std::string> Lit(const std::string& chemin) override;
    bool Ecrit(const std::string& chemin, std::string_view contenu) override;
    // Whole or not at all: a name in `EcritureEchoue` keeps its content and fails as a
    // full disk.
    ResultatEcriture EcritSortie(const std::string& chemin, std::string_view contenu) override;
    bool Existe(const std::string& chemin) override;
    bool Supprime(const std::string& chemin) override;
    bool Renomme(const std::string& ancien, const std::string& nouveau) override;
    // A folder, a refused file, or what the contents say.
    NatureChemin Nature(const std::string& chemin) override {
        const auto n = Natures.find(chemin);
        return n != Natures.end() ? n->second : Fichiers::Nature(chemin);
    }
    std::map<std::string, NatureChemin> Natures;

    std::map<std::string, std::string> Contenus;
    // Names on which the operation fails.
    std::set<std::string> LectureEchoue, EcritureEchoue, SuppressionEchoue, RenommageEchoue;
    // Every operation performed, in order, as "verbe nom" (for tests of the sequence).
    std::vector<std::string> Journal;
};

} // namespace tarvo::test
