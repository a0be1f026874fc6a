#pragma once

#include <array>
#include <cstdint>

namespace tarvo {

// Box of an editable value, in bitmap pixels of `Fenetre`. A point is inside when it lies
// strictly between the edges.
struct Cadre {
    std::int32_t Gauche = 0;
    std::int32_t Haut = 0;
    std::int32_t Droite = 0;
    std::int32_t Bas = 0;
    friend constexpr bool operator==(const Cadre&, const Cadre&) = default;
};

constexpr bool DansCadre(const Cadre& cadre, int x, int y) {
    return cadre.Gauche < x && x < cadre.Droite && cadre.Haut < y && y < cadre.Bas;
}

// The zone table of the characteristics page: `Bords`[0] is the right edge of the header
// column, `Bords`[i] the right edge of zone column i; `Haut` and `Bas` bound the row of
// the zone radii.
struct ColonnesDeZones {
    std::array<std::int32_t, 11> Bords{};
    std::int32_t Haut = 0;
    std::int32_t Bas = 0;
    friend constexpr bool operator==(const ColonnesDeZones&, const ColonnesDeZones&) = default;
};

// The boxes recorded by the last screen drawing of a page, read by the mouse handler.
// Each drawer overwrites only the slots it records; a print pass never touches them.
struct CadresPage {
    // `Cadres`[1..8]; index 0 is unused.
    std::array<Cadre, 9> Cadres{};
    ColonnesDeZones ColonnesZones;
    Cadre CadreTrou;
};

} // namespace tarvo
