#pragma once

#include <cstdint>
#include <string>

namespace tarvo {

// The current field of the floating editor `Saisie`: which value it edits and the current
// cell of the measurement grids. The pages that place the editor read it, the data entry
// moves it. Program state, never saved.
struct EtatSaisie {
    // Kind of the value edited (0: none, the state at start-up).
    std::uint32_t ChampCourant = 0;
    // The stored value when the editor was placed (for a reading, set by the measurements
    // page at each drawing).
    double ValeurAvantSaisie = 0;
    std::string TexteAvantSaisie;
    // The text the editor was loaded with when it was placed: validated unchanged, it stores
    // nothing (a value shown with fewer decimals than it holds is not rounded by passing
    // over it with Enter).
    std::string TextePlace;
    std::int32_t NombreZonesAvantSaisie = 0;
    // Zone whose outer radius is edited.
    std::int8_t ZoneCourante = 0;
    // Current cell of the measurement grids: line 1..10, zone column 1..N, diameter 1 or 2.
    std::int8_t LigneCourante = 0;
    std::int8_t ColonneCourante = 0;
    std::int8_t DiametreCourant = 0;
    // Set by a click on the page, cleared when the click places the editor; while set, the
    // measurement pages keep the editor hidden.
    bool MasquerSaisie = false;
    // After a rejection the editor's text still belongs to the rejected field, whatever
    // kind was made current: no validation stores it until the next placement.
    bool TexteRejete = false;
};

} // namespace tarvo
