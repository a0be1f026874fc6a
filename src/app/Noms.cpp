#include "app/Noms.h"

#include "document/Texte.h"
#include "document/TexteProgramme.h"

namespace tarvo {

std::string NomLigneCommande(const std::vector<std::string>& arguments) {
    if (arguments.empty() || arguments.front().empty()) return {};
    std::string nom;
    for (const auto& a : arguments)
        nom += a + ' ';
    return nom;
}

std::vector<std::string> ArgumentsAbsolus(std::vector<std::string> arguments,
                                          const std::string& repertoireCourant) {
    if (arguments.empty() || arguments.front().empty() || arguments.front().front() == '/' ||
        repertoireCourant.empty())
        return arguments;
    const bool barre = repertoireCourant.back() == '/';
    arguments.front() = repertoireCourant + (barre ? "" : "/") + arguments.front();
    return arguments;
}

std::string NomApresSeparateur(std::string_view chemin) {
    const auto dernier = chemin.find_last_of("/\\\"");
    return std::string(dernier == std::string_view::npos ? chemin : chemin.substr(dernier + 1));
}

std::string NomAbrege(std::string_view nom) {
    // Counted in characters, so that an accented name is cut between letters.
    const std::size_t n = NombreCaracteres(nom);
    if (n <= 36) return std::string(nom);
    return std::string(SousChaine(nom, 0, 15)) + " ... " + std::string(SousChaine(nom, n - 16, 16));
}

std::string QuestionEnregistrer(std::string_view nomFichier, Systeme* systeme) {
    if (nomFichier.empty())
        return TexteProgramme(systeme,
                              TARVO_NOOP("Programme", "Voulez-vous enregistrer ce fichier?"));
    return Remplace(
        TexteProgramme(systeme, TARVO_NOOP("Programme", "Voulez-vous enregistrer :\r%1 ?")),
        {NomAbrege(nomFichier)});
}

} // namespace tarvo
