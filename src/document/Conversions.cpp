#include "document/Conversions.h"

#include "document/Document.h"

#include <algorithm>
#include <cerrno>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace tarvo {

namespace {

bool EstChiffre(char c) { return c >= '0' && c <= '9'; }

// Length in bytes of the UTF-8 character that ends the text.
std::size_t LongueurDernierCaractere(std::string_view texte) {
    std::size_t n = 1;
    while (n < texte.size() && (static_cast<unsigned char>(texte[texte.size() - n]) & 0xC0) == 0x80)
        ++n;
    return n;
}

// Converts digits with an optional sign, point and exponent, independently of the locale.
// A value too large for a double is refused; one too small to be represented is 0.
std::optional<double> ConvertitChiffres(std::string_view texte) {
    double valeur = 0;
    const char* fin = texte.data() + texte.size();
#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
    const auto r = std::from_chars(texte.data(), fin, valeur, std::chars_format::general);
#else
    // A library without the floating-point from_chars: strtod, as exactly rounded, on the same
    // texts (digits, sign, point, exponent; the callers let nothing else through), with its
    // range errors told as from_chars tells them.
    struct {
        const char* ptr;
        std::errc ec;
    } r{texte.data(), std::errc()};
    {
        const std::string copie(texte);
        char* arret = nullptr;
        errno = 0;
        valeur = std::strtod(copie.c_str(), &arret);
        r.ptr = texte.data() + (arret - copie.c_str());
        if (r.ptr == texte.data()) r.ec = std::errc::invalid_argument;
        else if (errno == ERANGE || (valeur != 0 && std::fabs(valeur) < DBL_MIN))
            r.ec = std::errc::result_out_of_range;
    }
#endif
    if (r.ptr != fin) return std::nullopt;
    if (r.ec == std::errc::result_out_of_range) {
        // Out of range: an overflow when a non-zero digit stands before the point or the
        // exponent is positive, an underflow otherwise.
        const auto e = texte.find_first_of("eE");
        const std::string_view mantisse = texte.substr(0, e);
        const std::string_view entiere = mantisse.substr(0, mantisse.find('.'));
        const bool grand = entiere.find_first_of("123456789") != std::string_view::npos ||
                           (e != std::string_view::npos && texte.substr(e + 1).find('-') != 0);
        if (grand) return std::nullopt;
        return texte.front() == '-' ? -0.0 : 0.0;
    }
    if (r.ec != std::errc() || !std::isfinite(valeur)) return std::nullopt;
    return valeur;
}

// Up to 15 digits make an integer below 2^53, exact in a double, and every power of ten up to
// 10^22 is exact too: their quotient, correctly rounded, is the value the full conversion
// gives.
constexpr int ChiffresExacts = 15;
constexpr double PuissancesDeDix[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                      1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// The common number of a document, "-12,345": an optional minus, digits with at most one
// separator, 15 digits at most. Nothing for any other form, which the general conversion
// takes.
std::optional<double> NombreCourt(std::string_view texte) {
    const char* p = texte.data();
    const char* const fin = p + texte.size();
    const bool negatif = p != fin && *p == '-';
    if (negatif) ++p;
    const char* const debut = p;
    const char* separateur = nullptr;
    // Beyond 19 digits the integer wraps; such a number has too many digits anyway.
    std::uint64_t entier = 0;
    for (; p != fin; ++p) {
        const auto chiffre = static_cast<unsigned>(static_cast<unsigned char>(*p) - '0');
        if (chiffre < 10) {
            entier = entier * 10 + chiffre;
        } else if ((*p == '.' || *p == ',') && separateur == nullptr) {
            separateur = p;
        } else {
            return std::nullopt;
        }
    }
    const auto chiffres = (fin - debut) - (separateur != nullptr ? 1 : 0);
    if (chiffres == 0 || chiffres > ChiffresExacts) return std::nullopt;
    const auto decimales = separateur != nullptr ? fin - separateur - 1 : 0;
    const double valeur = static_cast<double>(entier) / PuissancesDeDix[decimales];
    return negatif ? -valeur : valeur;
}

// Decimal digits and exponent of a value rounded to 15 significant digits.
struct Decimales {
    bool Negatif = false;
    std::string Chiffres; // without trailing zeros, at least one digit
    int Exposant = 0;     // of the first digit
};

Decimales Decompose(double valeur) {
    Decimales d;
    char tampon[40];
    std::snprintf(tampon, sizeof tampon, "%.14e", valeur);
    std::string_view s = tampon;
    if (s.front() == '-') {
        d.Negatif = true;
        s.remove_prefix(1);
    }
    const auto e = s.find('e');
    for (const char c : s.substr(0, e))
        if (EstChiffre(c)) d.Chiffres += c;
    while (d.Chiffres.size() > 1 && d.Chiffres.back() == '0') d.Chiffres.pop_back();
    d.Exposant = std::atoi(std::string(s.substr(e + 1)).c_str());
    return d;
}

std::string Positionnel(const Decimales& d) {
    std::string texte = d.Negatif ? "-" : "";
    const int n = static_cast<int>(d.Chiffres.size());
    if (d.Exposant < 0) {
        texte += "0,";
        texte.append(static_cast<std::size_t>(-d.Exposant - 1), '0');
        texte += d.Chiffres;
    } else if (d.Exposant + 1 >= n) {
        texte += d.Chiffres;
        texte.append(static_cast<std::size_t>(d.Exposant + 1 - n), '0');
    } else {
        texte += d.Chiffres.substr(0, static_cast<std::size_t>(d.Exposant + 1));
        texte += ',';
        texte += d.Chiffres.substr(static_cast<std::size_t>(d.Exposant + 1));
    }
    return texte;
}

std::string Scientifique(const Decimales& d) {
    std::string texte = d.Negatif ? "-" : "";
    texte += d.Chiffres.front();
    if (d.Chiffres.size() > 1) {
        texte += ',';
        texte += d.Chiffres.substr(1);
    }
    texte += 'E';
    texte += std::to_string(d.Exposant);
    return texte;
}

bool FormeExposant(const Decimales& d) { return d.Exposant < -4 || d.Exposant >= 15; }

} // namespace

std::optional<double> ConvertitNombre(std::string_view texte) {
    if (const auto court = NombreCourt(texte)) return court;
    std::string_view reste = texte;
    if (!reste.empty() && reste.front() == '-') reste.remove_prefix(1);
    if (reste.empty() || reste == "." || reste == ",") return std::nullopt;
    int separateurs = 0;
    for (const char c : reste) {
        if (c == '.' || c == ',')
            ++separateurs;
        else if (!EstChiffre(c) && c != ' ')
            return std::nullopt;
    }
    if (separateurs > 1) return std::nullopt;

    // Every number of a document passes here: the digits go through a buffer on the stack
    // (the texts accepted above are never longer than the line they come from).
    constexpr std::size_t Court = 64;
    char court[Court];
    std::string long_;
    char* sortie = court;
    if (texte.size() > Court) {
        long_.resize(texte.size());
        sortie = long_.data();
    }
    std::size_t n = 0;
    for (const char c : texte) {
        if (c == '.' || c == ',')
            sortie[n++] = '.';
        else if (c != ' ')
            sortie[n++] = c;
    }
    if (n == 0) return 0.0;
    return ConvertitChiffres(std::string_view(sortie, n));
}

double Nombre(std::string_view texte, Document& doc) {
    if (const auto valeur = ConvertitNombre(texte)) return *valeur;
    doc.NombreIncorrect = true;
    doc.MotifErreur = std::string(texte);
    return 0;
}

std::int32_t Entier(std::string_view texte, Document& doc) {
    doc.EntierIncorrect = false;
    // A count or a flag of the file: a few plain digits.
    if (!texte.empty() && texte.size() <= 9 &&
        std::all_of(texte.begin(), texte.end(), EstChiffre)) {
        std::int32_t valeur = 0;
        for (const char c : texte)
            valeur = valeur * 10 + (c - '0');
        return valeur;
    }
    std::string garde;
    int signes = 0, separateurs = 0;
    for (const char c : texte) {
        if (EstChiffre(c)) {
            garde += c;
        } else if (c == '+' || c == '-') {
            garde += c;
            ++signes;
        } else if (c == '.' || c == ',') {
            ++separateurs;
        } else if (c == 'E' || c == 'e') {
            garde += 'E';
        } else if (c != ' ') {
            doc.EntierIncorrect = true;
        }
    }
    if (signes > 0 || separateurs > 0) {
        doc.EntierIncorrect = true;
        return 0;
    }
    if (garde.empty()) return 0;
    const auto valeur = ConvertitChiffres(garde);
    if (!valeur || std::fabs(*valeur) > 2147483647.0) {
        doc.EntierIncorrect = true;
        return 0;
    }
    return static_cast<std::int32_t>(std::nearbyint(*valeur));
}

std::string_view SansGuillemets(std::string_view texte) {
    if (texte.empty() || texte.front() != '"') return texte;
    texte.remove_prefix(1);
    if (!texte.empty()) texte.remove_suffix(LongueurDernierCaractere(texte));
    return texte;
}

std::string FormeAffichable(std::string_view texte) {
    std::string_view forme = SansGuillemets(texte);
    while (!forme.empty() && forme.back() == ' ') forme.remove_suffix(1);
    return std::string(forme);
}

std::string TexteNombre(double valeur) {
    if (valeur == 0 || !std::isfinite(valeur)) return "0";
    const Decimales d = Decompose(valeur);
    return FormeExposant(d) ? Scientifique(d) : Positionnel(d);
}

std::string TexteFichier(double valeur) { return '"' + TexteNombre(valeur) + '"'; }

std::string TexteFichierRelisible(double valeur) {
    if (valeur == 0 || !std::isfinite(valeur)) return "\"0\"";
    return '"' + Positionnel(Decompose(valeur)) + '"';
}

} // namespace tarvo
