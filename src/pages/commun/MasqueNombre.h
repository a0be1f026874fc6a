#pragma once

#include <string>
#include <string_view>

namespace tarvo {

// A number through a picture mask of the pages ("#0.#", "#0.0", "#0.00", "#0.000",
// "0.000", "#0"): "0" a required digit, "#" an optional one, "." the decimal separator.
// The value is taken with 15 significant digits, as the system formats numbers, then
// rounded to the mask's last digit, ties to even; a result of zero has no sign.
std::string FormateMasque(double valeur, std::string_view masque, char separateur);

// The general format (15 significant digits, no trailing zeros) with the system's
// decimal separator.
std::string FormateGeneral(double valeur, char separateur);

// A stored value through a mask, empty when it has no finite value.
std::string TexteFini(double valeur, std::string_view masque, char separateur);

// Round: to the nearest integer, ties to even (kept as a double: no overflow).
double Arrondi(double valeur);

} // namespace tarvo
