#include "pages/commun/MasqueNombre.h"

#include "document/Conversions.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace tarvo {
namespace {

struct Masque {
    int ChiffresEntiers = 1; // integer digits always written
    int Decimales = 0;       // digits after the separator at most
    int DecimalesFixes = 0;  // digits after the separator always written
};

Masque LitMasque(std::string_view masque) {
    Masque m;
    const std::size_t point = masque.find('.');
    const std::string_view entiers = masque.substr(0, point);
    m.ChiffresEntiers = static_cast<int>(std::count(entiers.begin(), entiers.end(), '0'));
    if (point != std::string_view::npos) {
        const std::string_view decimales = masque.substr(point + 1);
        m.Decimales = static_cast<int>(decimales.size());
        const std::size_t dernierZero = decimales.find_last_of('0');
        m.DecimalesFixes =
            dernierZero == std::string_view::npos ? 0 : static_cast<int>(dernierZero) + 1;
    }
    return m;
}

// |valeur| as 15 significant digits and the number of them before the decimal point.
struct Chiffres {
    std::string Texte;
    int AvantVirgule = 0;
};

Chiffres Decompose(double valeur) {
    char tampon[40];
    std::snprintf(tampon, sizeof tampon, "%.14e", std::fabs(valeur));
    Chiffres c;
    for (const char* p = tampon; *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') c.Texte += *p;
    c.AvantVirgule = std::atoi(std::strchr(tampon, 'e') + 1) + 1;
    return c;
}

// Keeps `garder` leading digits, rounding the rest away, ties to even.
void ArrondiChiffres(Chiffres& c, int garder) {
    const int total = static_cast<int>(c.Texte.size());
    if (garder >= total) return;
    if (garder < 0) {
        c.Texte.clear();
        return;
    }
    const char premier = c.Texte[static_cast<std::size_t>(garder)];
    const bool resteNonNul =
        c.Texte.find_first_not_of('0', static_cast<std::size_t>(garder) + 1) != std::string::npos;
    const bool dernierImpair =
        garder > 0 && (c.Texte[static_cast<std::size_t>(garder) - 1] - '0') % 2 == 1;
    const bool monte = premier > '5' || (premier == '5' && (resteNonNul || dernierImpair));
    c.Texte.resize(static_cast<std::size_t>(garder));
    if (!monte) return;
    int i = garder - 1;
    while (i >= 0 && c.Texte[static_cast<std::size_t>(i)] == '9')
        c.Texte[static_cast<std::size_t>(i--)] = '0';
    if (i >= 0) {
        ++c.Texte[static_cast<std::size_t>(i)];
    } else {
        c.Texte.insert(c.Texte.begin(), '1');
        ++c.AvantVirgule;
    }
}

} // namespace

std::string FormateMasque(double valeur, std::string_view masque, char separateur) {
    if (std::isnan(valeur)) return "NAN";
    if (std::isinf(valeur)) return valeur < 0 ? "-INF" : "INF";
    const Masque m = LitMasque(masque);
    Chiffres c = Decompose(valeur);
    if (valeur == 0) c.Texte.clear();
    ArrondiChiffres(c, c.AvantVirgule + m.Decimales);

    // Digit at a decimal position: 0 the units, 1 the tenths, -1 the tens...
    const auto chiffre = [&c](int rang) {
        const int i = c.AvantVirgule - 1 + rang;
        return i >= 0 && i < static_cast<int>(c.Texte.size()) ? c.Texte[static_cast<std::size_t>(i)]
                                                              : '0';
    };
    std::string entiers;
    for (int rang = -std::max(c.AvantVirgule - 1, m.ChiffresEntiers - 1); rang <= 0; ++rang)
        entiers += chiffre(rang);
    const std::size_t significatif = entiers.find_first_not_of('0');
    const std::size_t garder = std::max<std::size_t>(
        static_cast<std::size_t>(m.ChiffresEntiers),
        significatif == std::string::npos ? 0 : entiers.size() - significatif);
    entiers.erase(0, entiers.size() - std::min(garder, entiers.size()));

    std::string decimales;
    for (int rang = 1; rang <= m.Decimales; ++rang)
        decimales += chiffre(rang);
    while (static_cast<int>(decimales.size()) > m.DecimalesFixes && decimales.back() == '0')
        decimales.pop_back();

    const bool nul = (entiers + decimales).find_first_not_of('0') == std::string::npos;
    std::string texte = valeur < 0 && !nul ? "-" : "";
    texte += entiers;
    if (!decimales.empty()) texte += separateur + decimales;
    return texte;
}

std::string FormateGeneral(double valeur, char separateur) {
    std::string texte = TexteNombre(valeur);
    std::replace(texte.begin(), texte.end(), ',', separateur);
    return texte;
}

std::string TexteFini(double valeur, std::string_view masque, char separateur) {
    return std::isfinite(valeur) ? FormateMasque(valeur, masque, separateur) : std::string();
}

double Arrondi(double valeur) {
    return std::nearbyint(valeur);
}

} // namespace tarvo
