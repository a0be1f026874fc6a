#pragma once

#include "optics/Analyse.h"
#include "optics/Reechantillonnage.h"
#include "pages/commun/EnteteEtPied.h"
#include "platform/Systeme.h"
#include "platform/Traduction.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvo {

// Texts and figures that the screen and the paper of the analysis page share.

inline constexpr TitreParForme TitreAnalyse{TARVO_NOOP("Pages", "Analyse du miroir"),
                                            TARVO_NOOP("Pages", "Analyse du miroir parabolique"),
                                            TARVO_NOOP("Pages", "Analyse du miroir sphérique")};
inline constexpr std::string_view TitreGrapheProfil =
    TARVO_NOOP("Pages", "Ecart de l'onde à la parabole de référence, sur tout le diamètre");
inline constexpr std::string_view EnteteGrandeur = TARVO_NOOP("Pages", "Grandeur");
inline constexpr std::string_view EnteteValeur = TARVO_NOOP("Pages", "Valeur");

// One row of the table: the quantity, its value and its 1σ. The new pages write their Greek
// letters in the body face itself.
struct LigneAnalyse {
    std::string Libelle;
    std::string Valeur;
    std::string Incertitude;
};

// The four rows: ε, the RMS, the Strehl ratio, K. Each value is rounded to the decimal place
// of its 1σ (two significant digits), or to its usual decimals when there is no σ. In the
// system's language, with its separator.
std::array<LigneAnalyse, 4> LignesAnalyse(const FiguresAnalyse& f,
                                          const std::optional<IncertitudesAnalyse>& u,
                                          Systeme& systeme);

inline constexpr std::string_view EnteteIncertitude = "± 1 σ";

// The line under the table that says where the σ come from, or why there are none.
std::string LigneEtatIncertitudes(Systeme& systeme, const std::optional<IncertitudesAnalyse>& u);

// The model, stated as a textbook would, one short line each (they fit the screen page and
// the printed one without wrapping), in French: each is marked for the catalogue.
const std::vector<std::string_view>& LignesModele();

// "Mesures retenues : D1 (10 lignes) et D2 (8 lignes)", from the validated lines of the
// series and the diameters the report keeps.
std::string LigneMesuresRetenues(Systeme& systeme, const Document& doc,
                                 std::uint8_t diametresRetenus);

} // namespace tarvo
