#pragma once

// The pieces the per-kind rules of `Valide` share (internal to the data entry).

#include "entry/ContexteSaisie.h"
#include "pages/commun/IdentifiantsPages.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarvo::valide {

// What sign a typed number may have: 0 or more, more than 0, any.
enum class Signe { Positif, StrictementPositif, Libre };

// The typed number of a numeric kind, not rounded; nothing when the text is to be ignored
// (not a number, a decimal for an integer kind, the wrong sign).
std::optional<double> NombreTape(std::string_view texte, Signe signe, bool entier = false);

// Round(v × 10) / 10 and Round(v × 1000) / 1000, ties to even.
double AuDixieme(double v);
double AuMillieme(double v);

// A value in a mask of the pages, with the system's separator.
std::string Masque(const ContexteSaisie& c, double v, std::string_view masque);
// "#0.#", empty when the value is 0: the editor's text of the lengths.
std::string Longueur(const ContexteSaisie& c, double v);

// `DateSerie` := today, as a whole day count.
void DateDuJour(ContexteSaisie& c);

// The common end of a commit: the editor shows the stored value, `Modifie`, the date of
// the series, and the action update when the kind asks for it.
void Engage(ContexteSaisie& c, const std::string& texteEditeur, bool actions = true);

// A rejection: the kind made current, the editor's text when the rule puts one back, the
// text kept from any other field until the next placement, then the message (last, so
// that a validation run from inside the message box finds the rejection complete).
void Rejette(ContexteSaisie& c, const std::string& message, std::uint32_t champ,
             const std::optional<std::string>& texteEditeur = std::nullopt);

// A rejection of the two series values of the report: shown only every other time, so
// that the validation that follows the hidden editor's loss of focus stays silent.
void RejetteSilencieux(ContexteSaisie& c, const std::string& message);

// r(i), the outer radius of zone i; 0 for a row outside the table or when the zone count
// itself lies outside it (such a count never indexes anything).
double Rayon(const Document& doc, int i);

// The document's file holds series measured with the present zone count.
bool PlusieursSeries(const Document& doc);

// `ChoisitNombreZones`; with several series the count is kept, the radii recomputed for
// it, and the user told when the proposal differs.
void ChoisitZones(ContexteSaisie& c);
// The layout of a cleared diameter or focal length: radii 0 and 3 zones (the count kept
// with several series).
void EffaceZones(ContexteSaisie& c);

// The question of the commits that may recompute the layout; only Yes counts.
bool RecalculerZones(ContexteSaisie& c);

// The per-kind rules, on the prepared text. `repetition`: the text is one already rejected
// (`TexteRejete`); the two report values then only repeat the silencing of their message.
void ValideIntitule(ContexteSaisie& c, const std::string& texte);
void ValideDiametre(ContexteSaisie& c, const std::string& texte);
void ValideFocale(ContexteSaisie& c, const std::string& texte);
void ValideRayonCourbure(ContexteSaisie& c, const std::string& texte);
void ValideEpaisseur(ContexteSaisie& c, const std::string& texte);
void ValideCoefDeformation(ContexteSaisie& c, const std::string& texte);
void ValideNombreZones(ContexteSaisie& c, const std::string& texte);
void ValideRayonZone(ContexteSaisie& c, const std::string& texte);
void ValideTrouCentral(ContexteSaisie& c, const std::string& texte);
void ValideDiametreSerie(ContexteSaisie& c, const std::string& texte, bool repetition);
void ValideFocaleSerie(ContexteSaisie& c, const std::string& texte, bool repetition);
void ValideLecture(ContexteSaisie& c, const std::string& texte);
void ValideTrouCentralSerie(ContexteSaisie& c, const std::string& texte);

} // namespace tarvo::valide
