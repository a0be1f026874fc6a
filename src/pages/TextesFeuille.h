#pragma once

#include "document/Document.h"
#include "optics/Feuille.h"
#include "pages/Canvas.h"

#include <array>
#include <string>
#include <string_view>

namespace tarvo {

// Texts that the work sheet writes alike on screen and on paper. A figure that has no
// value (a sphere flatter than the half-sphere has no depth) leaves its label alone.

inline constexpr std::string_view TitreFeuille = "Feuille de travail du miroir";
inline constexpr std::string_view LegendeTableFeuille =
    "Aberrations longitudinales admissibles (en mm) - Méthode Millies-Lacroix";
inline constexpr std::string_view NoteTrouFeuille = "La partie grisée correspond au trou central.";

// Why the sheet could not be computed, in two lines that fit the narrowest page.
std::array<std::string_view, 2> TexteEtatFeuille(EtatFeuille etat);

std::string TexteProfondeur(const ResultatFeuille& f, char separateur);
std::string TexteMasseVerreUsine(const ResultatFeuille& f, char separateur);
std::string TexteVolume(const ResultatFeuille& f, char separateur);
std::string TexteMasseMiroir(const ResultatFeuille& f, char separateur);
std::string TexteEchelleImage(const ResultatFeuille& f, char separateur);

// Font heights of a target's body text and of its superscripts.
struct HauteursTexte {
    int Corps = 0;
    int Exposant = 0;
};

// "Epaisseur minimale = 22 mm pour R⁴/e² = 2000 cm²".
void EcritEpaisseurMinimale(Canvas& c, int x, int y, const ResultatFeuille& f, char separateur,
                            const HauteursTexte& h);
// "R⁴/e² = 1600 cm²" from the series diameter and the thickness; the label alone when the
// ratio has no value.
void EcritRapportR4e2(Canvas& c, int x, int y, const Document& doc, char separateur,
                      const HauteursTexte& h);

// The lines from the thickness to the image scale, from y one line step `pas` apart, the
// right column at `xDroite`, the last line centred on `largeur`: the minimum thickness when
// the thickness is at most `seuilEpaisseur` (the screen and the paper differ there), the
// mirror's mass only for a thickness. Returns the y of the last line.
int EcritLignesMatiere(Canvas& c, int x, int xDroite, int largeur, int y, int pas,
                       double seuilEpaisseur, const Document& doc, const ResultatFeuille& f,
                       char separateur, const HauteursTexte& h);

// Text centred on a width, halved toward zero.
void EcritAuCentre(Canvas& c, int largeur, int y, std::string_view texte);

} // namespace tarvo
