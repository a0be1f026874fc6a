#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarvo {

struct Document;

// A typed or stored number: point or comma as decimal separator, blanks ignored, one
// leading hyphen. Nothing when the text is not such a number (or does not fit a double).
std::optional<double> ConvertitNombre(std::string_view texte);

// The same, reporting a rejected text the way the reader and the editors expect:
// `NombreIncorrect` set, the text kept in `MotifErreur`, and 0 returned.
double Nombre(std::string_view texte, Document& doc);

// A stored count or flag. Sets `EntierIncorrect` (cleared first) on a sign, a separator,
// an unknown character or a value outside the 32-bit range, and then returns 0 (but for
// unknown characters, which are dropped).
std::int32_t Entier(std::string_view texte, Document& doc);

// The text with its first and last characters dropped when it starts with a double quote.
std::string_view SansGuillemets(std::string_view texte);

// The mirror name as the pages show it: without enclosing quotes and trailing blanks.
std::string FormeAffichable(std::string_view texte);

// A number in the general format with 15 significant digits and a comma, as in 150,5,
// -1, 0,125, 5E-5 or 1E20 (no quotes).
std::string TexteNombre(double valeur);

// A number line of the document file: the general format between double quotes.
std::string TexteFichier(double valeur);

// As TexteFichier, but never in exponent form, which the reader refuses: 5E-5 is written
// 0,00005. The writer uses it so that every number it writes reads back.
std::string TexteFichierRelisible(double valeur);

} // namespace tarvo
