#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tarvo {

// The interface's languages: French, the program's own, and its English translation.
enum class Langue { Francais, Anglais };

struct ChoixLangue {
    Langue Choisie = Langue::Francais;
    // The arguments without `--langue X`.
    std::vector<std::string> Arguments;
    // Set when `--langue` is given without fr or en: the value given instead, empty when
    // there was none. The caller words the refusal in the language chosen.
    std::optional<std::string> Refusee;
};

// `--langue fr|en` among the arguments forces the language; otherwise the locale of the
// messages decides, as POSIX orders it (LC_ALL, then LC_MESSAGES, then LANG, the first set
// and not empty): English for "en…", French for anything else, "C" and none included.
ChoixLangue ChoisitLangue(std::vector<std::string> arguments, const char* lcAll,
                          const char* lcMessages, const char* lang);

} // namespace tarvo
