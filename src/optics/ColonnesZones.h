#pragma once

namespace tarvo {

// Working columns of the zone table (column 1, `RayonExterieur`, is the stored one).
// The work sheet writes 2 to 6; the test report reuses 4 to 6 with its own meanings.
inline constexpr int ColonneHm = 2;
inline constexpr int ColonneHm2SurR = 3;
inline constexpr int ColonneDemiTolerance = 4;
inline constexpr int ColonneTolSup = 5;
inline constexpr int ColonneTolInf = 6;

inline constexpr int ColonneCentHmSur4F = 4;
inline constexpr int ColonneMoyenneA = 5;
inline constexpr int ColonneMoyenneB = 6;
inline constexpr int ColonneMoyenne = 7;
inline constexpr int ColonneMoyenneMoinsCte = 8;
inline constexpr int ColonneEcartLongitudinal = 9;
inline constexpr int ColonneAberrationTransversale = 10;
inline constexpr int ColonneAberrationRelative = 11;
inline constexpr int ColonnePente = 12;
inline constexpr int ColonneOnde = 13;

} // namespace tarvo
