#pragma once

#include "platform/Fichiers.h"

namespace tarvo {

// Name as the system's file functions take it: trailing blanks are ignored, as desktop
// systems that drop them do, so that "miroir.bdc " opens "miroir.bdc".
std::string CheminSysteme(const std::string& chemin);

// The cause of a failed write, from the system's error number.
CauseEchec CauseDeErreur(int erreur);

// Writes every byte on an open descriptor (standard output ...), through short writes and
// interruptions.
ResultatEcriture EcritDescripteur(int descripteur, std::string_view contenu);

// The file system of a POSIX system.
class FichiersPosix final : public Fichiers {
public:
    std::optional<std::string> Lit(const std::string& chemin) override;
    bool Ecrit(const std::string& chemin, std::string_view contenu) override;
    bool Identique(const std::string& chemin, std::string_view contenu) override;
    ResultatEcriture EcritSortie(const std::string& chemin, std::string_view contenu) override;
    bool Existe(const std::string& chemin) override;
    NatureChemin Nature(const std::string& chemin) override;
    bool Supprime(const std::string& chemin) override;
    bool Renomme(const std::string& ancien, const std::string& nouveau) override;
};

} // namespace tarvo
