#pragma once

#include "pages/analyse/SourceIncertitudes.h"
#include "platform/CalculsDeFond.h"

#include <functional>
#include <optional>
#include <vector>

namespace tarvo {

// The bootstrap of the analysis page, computed away from the redraws: a page asks, gets the
// result kept for the same series, or nothing while the one it needs is being computed;
// `pret` runs when a result arrives. Without a background service (the tests,
// the headless drawings) it is computed at once.
class IncertitudesDeFond final : public SourceIncertitudes {
  public:
    explicit IncertitudesDeFond(std::function<void()> pret) : Pret(std::move(pret)) {}

    void FixeCalculs(CalculsDeFond* calculs) { Calculs = calculs; }

    std::optional<IncertitudesAnalyse> Incertitudes(const Document& doc,
                                                    const LignesValidees& lignes,
                                                    std::uint8_t diametresRetenus) override;

  private:
    // Everything the bootstrap reads of a series: two series with the same key have the same
    // uncertainties.
    using Clef = std::vector<double>;
    static Clef ClefDe(const Document& doc, const LignesValidees& lignes,
                       std::uint8_t diametresRetenus);

    // The series browsed back and forth come back at once: the last results are kept.
    static constexpr std::size_t Gardes = 16;
    void Garde(Clef clef, const IncertitudesAnalyse& resultat);

    std::function<void()> Pret;
    CalculsDeFond* Calculs = nullptr;
    std::vector<std::pair<Clef, IncertitudesAnalyse>> Prets; // the newest last
    std::optional<Clef> ClefEnCours;
};

} // namespace tarvo
