#include "web/SystemeWeb.h"

#include "document/Dates.h"
#include "web/Pont.h"

#include <cstdlib>
#include <memory>

namespace tarvo {

void SystemeWeb::Ajoute(std::string contexte, std::string source, std::string traduction) {
    catalogue_[{std::move(contexte), std::move(source)}] = std::move(traduction);
}

double SystemeWeb::Aujourdhui() {
    const int date = tw_aujourdhui();
    double jour = 0;
    JourDeDate(date / 10000, date / 100 % 100, date % 100, jour);
    return jour;
}

std::string SystemeWeb::DateCourte(double jours) {
    int a = 0, m = 0, j = 0;
    if (!DateDeJour(jours, a, m, j)) return std::string();
    const std::unique_ptr<char, decltype(&std::free)> texte(tw_date_courte(a, m, j), &std::free);
    return texte ? std::string(texte.get()) : std::string();
}

int SystemeWeb::LargeurEcran() {
    return tw_largeur_ecran();
}

int SystemeWeb::HauteurEcran() {
    return tw_hauteur_ecran();
}

std::string SystemeWeb::Traduit(std::string_view contexte, std::string_view texte) {
    if (langue_ == "fr") return std::string(texte);
    const auto t = catalogue_.find(std::pair<std::string, std::string>(contexte, texte));
    return t == catalogue_.end() ? std::string(texte) : t->second;
}

} // namespace tarvo
