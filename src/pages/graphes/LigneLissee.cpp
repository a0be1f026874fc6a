#include "pages/graphes/LigneLissee.h"

#include <cmath>
#include <cstdint>
#include <utility>

namespace tarvo {

namespace {

std::uint8_t Teinte(int i, std::uint8_t composante) {
    return static_cast<std::uint8_t>(255 - i * (255 - composante) / 10);
}

// The share of the far pixel, 0..9, from the fractional part of a position. A position
// left of or above the image has a negative part: it is kept inside the ramp.
int Part(float t) {
    const int k = static_cast<int>((t - std::trunc(t)) * 10.0f);
    return k < 0 ? 0 : k > 9 ? 9 : k;
}

// Every pixel set also becomes the pen colour: callers rely on finding the last shade there.
void Pose(Canvas& c, int x, int y, Couleur couleur) {
    c.FixeCouleurPlume(couleur);
    c.FixePixel(x, y, couleur);
}

} // namespace

std::array<Couleur, 10> RampeTeintes(Couleur couleur) {
    std::array<Couleur, 10> rampe{};
    for (int i = 0; i < 10; ++i)
        rampe[static_cast<std::size_t>(i)] = {Teinte(i, couleur.Rouge), Teinte(i, couleur.Vert),
                                              Teinte(i, couleur.Bleu)};
    return rampe;
}

void LigneLissee(Canvas& c, int x1, int y1, int x2, int y2, Couleur couleur) {
    const std::array<Couleur, 10> teinte = RampeTeintes(couleur);
    auto nuance = [&teinte](int k) { return teinte[static_cast<std::size_t>(k)]; };
    c.FixeStylePlume(StylePlume::Plein);
    if (x2 < x1) {
        std::swap(x1, x2);
        std::swap(y1, y2);
    }
    const std::int64_t dx = std::int64_t{x2} - x1, dy = std::int64_t{y2} - y1;
    const float pente = dx != 0 ? static_cast<float>(dy) / static_cast<float>(dx) : 0.0f;
    if (dx != 0 && std::fabs(pente) < 1.0f) {
        Pose(c, x1, y1, couleur);
        Pose(c, x2, y2, couleur);
        for (int x = x1 + 1; x < x2; ++x) {
            const float t =
                static_cast<float>(std::int64_t{x} - x1) * pente + static_cast<float>(y1);
            const int k = Part(t);
            const int yi = static_cast<int>(t);
            Pose(c, x, yi, nuance(9 - k));
            Pose(c, x, yi + 1, nuance(k));
        }
        return;
    }
    // Steep, or vertical: step along y.
    if (y2 < y1) {
        std::swap(x1, x2);
        std::swap(y1, y2);
    }
    Pose(c, x1, y1, couleur);
    Pose(c, x2, y2, couleur);
    const std::int64_t ecartX = std::int64_t{x2} - x1, ecartY = std::int64_t{y2} - y1;
    for (int y = y1 + 1; y < y2; ++y) {
        const float t =
            static_cast<float>(x1) +
            static_cast<float>((std::int64_t{y} - y1) * ecartX) / static_cast<float>(ecartY);
        const int k = Part(t);
        const int xi = static_cast<int>(t);
        Pose(c, xi, y, nuance(9 - k));
        Pose(c, xi + 1, y, nuance(k));
    }
}

} // namespace tarvo
