#include "pages/commun/Symbole.h"

#include <array>

namespace tarvo {
namespace {

// The Greek letters at the places of A..Z and a..z in the Symbol face.
constexpr std::array<std::string_view, 26> Majuscules{"Α", "Β", "Χ", "Δ", "Ε", "Φ", "Γ", "Η", "Ι",
                                                      "ϑ", "Κ", "Λ", "Μ", "Ν", "Ο", "Π", "Θ", "Ρ",
                                                      "Σ", "Τ", "Υ", "ς", "Ω", "Ξ", "Ψ", "Ζ"};
constexpr std::array<std::string_view, 26> Minuscules{"α", "β", "χ", "δ", "ε", "φ", "γ", "η", "ι",
                                                      "ϕ", "κ", "λ", "μ", "ν", "ο", "π", "θ", "ρ",
                                                      "σ", "τ", "υ", "ϖ", "ω", "ξ", "ψ", "ζ"};

} // namespace

std::string TexteSymbole(std::string_view texte) {
    std::string resultat;
    resultat.reserve(texte.size() * 2);
    for (const char c : texte) {
        if (c >= 'A' && c <= 'Z')
            resultat += Majuscules[static_cast<std::size_t>(c - 'A')];
        else if (c >= 'a' && c <= 'z')
            resultat += Minuscules[static_cast<std::size_t>(c - 'a')];
        else
            resultat += c;
    }
    return resultat;
}

} // namespace tarvo
