#pragma once

#include <cstdint>

namespace tarvo {

// A small generator of our own (SplitMix64) with an unbiased draw in [0, n): the same
// numbers on every system and standard library, so that a resampled figure is reproducible.
class Aleatoire {
  public:
    explicit Aleatoire(std::uint64_t graine) : etat_(graine) {}

    std::uint64_t Suivant() {
        std::uint64_t z = (etat_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // Lemire's multiply-and-reject: no modulo bias. n ≥ 1.
    std::uint32_t Entier(std::uint32_t n) {
        std::uint64_t produit = static_cast<std::uint64_t>(Tire32()) * n;
        std::uint32_t bas = static_cast<std::uint32_t>(produit);
        if (bas < n) {
            const std::uint32_t seuil = static_cast<std::uint32_t>(-n) % n;
            while (bas < seuil) {
                produit = static_cast<std::uint64_t>(Tire32()) * n;
                bas = static_cast<std::uint32_t>(produit);
            }
        }
        return static_cast<std::uint32_t>(produit >> 32);
    }

  private:
    std::uint32_t Tire32() { return static_cast<std::uint32_t>(Suivant() >> 32); }

    std::uint64_t etat_;
};

} // namespace tarvo
