#include "document/Texte.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace tarvo {

namespace {

// Windows-1252 characters 0x80..0x9F. The five bytes the code page leaves undefined map to
// the C1 controls of the same value, as the system's conversion does, so that they survive a
// round trip.
constexpr std::array<char32_t, 32> Cp1252Haut = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AjouteUtf8(std::string& sortie, char32_t c) {
    if (c < 0x80) {
        sortie += static_cast<char>(c);
    } else if (c < 0x800) {
        sortie += static_cast<char>(0xC0 | (c >> 6));
        sortie += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        sortie += static_cast<char>(0xE0 | (c >> 12));
        sortie += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        sortie += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        sortie += static_cast<char>(0xF0 | (c >> 18));
        sortie += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        sortie += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        sortie += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Reads one UTF-8 character at i; false on a malformed, overlong or surrogate sequence.
bool LitUtf8(std::string_view s, std::size_t& i, char32_t& c) {
    const auto octet = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char o = octet(i);
    std::size_t longueur = 0;
    char32_t minimum = 0;
    if (o < 0x80) {
        c = o;
        ++i;
        return true;
    } else if ((o & 0xE0) == 0xC0) {
        longueur = 2, c = o & 0x1F, minimum = 0x80;
    } else if ((o & 0xF0) == 0xE0) {
        longueur = 3, c = o & 0x0F, minimum = 0x800;
    } else if ((o & 0xF8) == 0xF0) {
        longueur = 4, c = o & 0x07, minimum = 0x10000;
    } else {
        return false;
    }
    if (i + longueur > s.size()) return false;
    for (std::size_t k = 1; k < longueur; ++k) {
        if ((octet(i + k) & 0xC0) != 0x80) return false;
        c = (c << 6) | (octet(i + k) & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
    i += longueur;
    return true;
}

bool EstUtf8(std::string_view s) {
    char32_t c = 0;
    for (std::size_t i = 0; i < s.size();) {
        // A document is nearly all ASCII: those bytes need no decoding, eight at a time.
        if (std::uint64_t huit = 0; i + 8 <= s.size()) {
            std::memcpy(&huit, s.data() + i, 8);
            if ((huit & 0x8080808080808080u) == 0) {
                i += 8;
                continue;
            }
        }
        if (static_cast<unsigned char>(s[i]) < 0x80) {
            ++i;
            continue;
        }
        if (!LitUtf8(s, i, c)) return false;
    }
    return true;
}

// Windows-1252 byte of a character, or -1 when the code page has none.
int OctetCp1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
    for (std::size_t k = 0; k < Cp1252Haut.size(); ++k)
        if (Cp1252Haut[k] == c) return static_cast<int>(0x80 + k);
    return -1;
}

} // namespace

std::optional<std::string_view> TexteUtf8(std::string_view octets) {
    if (!EstUtf8(octets)) return std::nullopt;
    if (octets.substr(0, 3) == "\xEF\xBB\xBF") octets.remove_prefix(3);
    return octets;
}

std::string DecodeTexteFichier(std::string_view octets) {
    if (const auto texte = TexteUtf8(octets)) return std::string(*texte);
    std::string texte;
    texte.reserve(octets.size() + octets.size() / 8);
    for (const char o : octets) {
        const auto u = static_cast<unsigned char>(o);
        AjouteUtf8(texte, u >= 0x80 && u < 0xA0 ? Cp1252Haut[u - 0x80] : char32_t{u});
    }
    return texte;
}

std::string EncodeTexteFichier(std::string_view texte) {
    std::string octets;
    octets.reserve(texte.size());
    char32_t c = 0;
    for (std::size_t i = 0; i < texte.size();) {
        if (static_cast<unsigned char>(texte[i]) < 0x80) {
            octets += texte[i++];
            continue;
        }
        const int o = LitUtf8(texte, i, c) ? OctetCp1252(c) : -1;
        if (o < 0) return std::string(texte);
        octets += static_cast<char>(o);
    }
    // 8-bit bytes that happen to form valid UTF-8 ("Ã©" gives the bytes of "é") would read
    // back as other text: such a text is written in UTF-8, which reads back as it is.
    if (octets.size() != texte.size() && EstUtf8(octets)) return std::string(texte);
    return octets;
}

std::vector<std::string_view> DecoupeLignes(std::string_view texte) {
    std::vector<std::string_view> lignes;
    lignes.reserve(texte.size() / 8 + 1);
    std::size_t debut = 0;
    while (debut < texte.size()) {
        std::size_t fin = texte.find('\n', debut);
        if (fin == std::string_view::npos) {
            lignes.push_back(texte.substr(debut));
            break;
        }
        std::size_t longueur = fin - debut;
        if (longueur > 0 && texte[fin - 1] == '\r') --longueur;
        lignes.push_back(texte.substr(debut, longueur));
        debut = fin + 1;
    }
    return lignes;
}

std::size_t NombreCaracteres(std::string_view texte) {
    std::size_t n = 0;
    for (const char o : texte)
        if ((static_cast<unsigned char>(o) & 0xC0) != 0x80) ++n;
    return n;
}

std::string_view SousChaine(std::string_view texte, std::size_t debut, std::size_t nombre) {
    // Byte offset of the character number k (counted from 0), or the end of the text.
    const auto position = [&](std::size_t k) {
        std::size_t compte = 0;
        for (std::size_t i = 0; i < texte.size(); ++i) {
            if ((static_cast<unsigned char>(texte[i]) & 0xC0) == 0x80) continue;
            if (compte++ == k) return i;
        }
        return texte.size();
    };
    const std::size_t a = position(debut);
    const std::size_t b = nombre > texte.size() ? texte.size() : position(debut + nombre);
    return texte.substr(a, b - a);
}

} // namespace tarvo
