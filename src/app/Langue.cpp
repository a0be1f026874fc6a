#include "app/Langue.h"

namespace tarvo {

ChoixLangue ChoisitLangue(std::vector<std::string> arguments, const char* lcAll,
                          const char* lcMessages, const char* lang) {
    ChoixLangue choix;
    const char* locale = nullptr;
    for (const char* variable : {lcAll, lcMessages, lang})
        if (variable != nullptr && variable[0] != '\0') {
            locale = variable;
            break;
        }
    if (locale != nullptr && std::string(locale).rfind("en", 0) == 0)
        choix.Choisie = Langue::Anglais;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string valeur;
        if (arguments[i] == "--langue") {
            if (i + 1 >= arguments.size()) {
                choix.Refusee = std::string();
                continue;
            }
            valeur = arguments[++i];
        } else if (arguments[i].rfind("--langue=", 0) == 0) {
            valeur = arguments[i].substr(9);
        } else {
            choix.Arguments.push_back(arguments[i]);
            continue;
        }
        if (valeur == "fr")
            choix.Choisie = Langue::Francais;
        else if (valeur == "en")
            choix.Choisie = Langue::Anglais;
        else
            choix.Refusee = valeur;
    }
    return choix;
}

} // namespace tarvo
