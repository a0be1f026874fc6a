#pragma once

#include "pages/commun/Canvas.h"
#include "platform/Systeme.h"

#include <string>
#include <string_view>

namespace tarvo {

// Pieces of text that several pages draw alike. Each draws from (x, y), the top of the
// text, and leaves the current position at its end.

// Letters of the "Symbol" face (Greek letters: "m" µ, "l" λ, "r" ρ, "e" ε, "L" Λ),
// `leve` pixels above y, then the face back to Arial. Returns the x after them.
int EcritGrec(Canvas& c, int x, int y, std::string_view lettres, int leve = 0);

// A superscript at the same top as the text before it, in the superscript height, then the
// body height again. Heights as for `FixeHauteurPolice` (negative: character height).
// Returns the x after it.
int EcritExposant(Canvas& c, int x, int y, std::string_view texte, int hauteurExposant,
                  int hauteurCorps);

// "Rayon de la tache de diffraction = " + valeurs + " µm (pour λ = 560 nm)", the Greek
// letters `leve` pixels higher. `valeurs` is what stands before " µm": the radius, or the
// angular value and the radius.
void EcritTacheDiffraction(Canvas& c, Systeme& systeme, int x, int y, const std::string& valeurs,
                           int leve);

// "R⁴/e² = " in the body and superscript heights of the target: the label of the ratio.
// Returns the x after it.
int EcritLibelleR4e2(Canvas& c, int x, int y, int hauteurCorps, int hauteurExposant);

// "R⁴/e² = valeur cm²" in the body and superscript heights of the target.
void EcritR4e2(Canvas& c, int x, int y, const std::string& valeur, int hauteurCorps,
               int hauteurExposant);

} // namespace tarvo
