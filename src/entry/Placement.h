#pragma once

#include "entry/ContexteSaisie.h"

#include <cstdint>

namespace tarvo {

// Field kinds of the editor (`ChampCourant`).
namespace Champ {
inline constexpr std::uint32_t Aucun = 0;
inline constexpr std::uint32_t Intitule = 1;
inline constexpr std::uint32_t DiametreSerie = 2;
inline constexpr std::uint32_t FocaleSerie = 3;
inline constexpr std::uint32_t RayonCourbure = 4;
inline constexpr std::uint32_t Epaisseur = 5;
inline constexpr std::uint32_t CoefDeformation = 6;
inline constexpr std::uint32_t NombreZones = 7;
inline constexpr std::uint32_t RayonZone = 8;
inline constexpr std::uint32_t Lecture = 9;
inline constexpr std::uint32_t TrouCentral = 10;
inline constexpr std::uint32_t TrouCentralSerie = 11;
inline constexpr std::uint32_t Diametre = 12;
inline constexpr std::uint32_t Focale = 13;
} // namespace Champ

// The editor on the box of a field of the page last drawn (kinds 1, 2, 4, 5, 6, 7, 8, 10,
// 11, 12, 13; kind 8 takes the zone): the kind made current, its before-value saved, the
// editor's text, maximum length and hint set, the editor shown over the box. The keyboard
// focus does not move. Clears `TexteRejete`.
void PlaceEditeur(ContexteSaisie& c, std::uint32_t champ, int zone = 0);

// The text of a field's stored value as its editor shows it (the kind's format).
std::string TexteDuChamp(const ContexteSaisie& c, std::uint32_t champ);

} // namespace tarvo
