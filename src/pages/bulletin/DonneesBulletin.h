#pragma once

#include "document/Document.h"
#include "optics/Reduction.h"
#include "pages/commun/EnteteEtPied.h"
#include "platform/Traduction.h"

#include <optional>
#include <string>
#include <string_view>

namespace tarvo {

// Texts and figures that the screen and the paper of the test report share.

inline constexpr TitreParForme TitreBulletin{
    TARVO_NOOP("Pages", "Bulletin de contrôle du miroir"),
    TARVO_NOOP("Pages", "Bulletin de contrôle du miroir parabolique"),
    TARVO_NOOP("Pages", "Bulletin de contrôle du miroir sphérique")};
inline constexpr std::string_view TitreGrapheOnde = TARVO_NOOP(
    "Pages", "½ profil de l'onde comparé à la parabole de la meilleure onde de référence");
inline constexpr std::string_view TitreGrapheAberrations =
    TARVO_NOOP("Pages", "Aberrations transversales comparées au disque de diffraction");
inline constexpr std::string_view LibelleTrou = TARVO_NOOP("Pages", "Diamètre du trou central = ");

// The series diameter and focal length both above 0.0001: only then are the figures
// divided by them written (a series without them shows the labels alone, never an
// infinity).
bool SerieDimensionnee(const Document& doc);

// Each figure below is absent when the series is not dimensioned or the figure is not
// finite. F/D to two decimals in its shortest form.
std::optional<std::string> TexteRapportFD(const Document& doc, char separateur);
// Radius of the diffraction spot in µm, "#0.00".
std::optional<std::string> TexteRayonTache(const Document& doc, char separateur);
// The same radius as an angle in arc seconds, "#0.000": the reduction's when it was made.
std::optional<std::string> TexteTacheAngulaire(const Document& doc, const ResultatReduction& r,
                                               char separateur);
// R⁴/e² in cm², rounded, from the series diameter and the thickness.
std::optional<std::string> TexteR4e2(const Document& doc, char separateur);

} // namespace tarvo
