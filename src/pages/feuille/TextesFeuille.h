#pragma once

#include "document/Document.h"
#include "optics/Feuille.h"
#include "pages/commun/Canvas.h"
#include "pages/commun/EnteteEtPied.h"
#include "platform/Systeme.h"
#include "platform/Traduction.h"

#include <array>
#include <string>
#include <string_view>

namespace tarvo {

// Texts that the work sheet writes alike on screen and on paper. A figure that has no
// value (a sphere flatter than the half-sphere has no depth) leaves its label alone.

inline constexpr TitreParForme TitreFeuille{
    TARVO_NOOP("Pages", "Feuille de travail du miroir"),
    TARVO_NOOP("Pages", "Feuille de travail du miroir parabolique"),
    TARVO_NOOP("Pages", "Feuille de travail du miroir sphérique")};
inline constexpr std::string_view LegendeTableFeuille =
    TARVO_NOOP("Pages", "Aberrations longitudinales admissibles (en mm) - Méthode Millies-Lacroix");
inline constexpr std::string_view NoteTrouFeuille =
    TARVO_NOOP("Pages", "La partie grisée correspond au trou central.");

// Why the sheet could not be computed, in two lines that fit the narrowest page.
std::array<std::string, 2> TexteEtatFeuille(Systeme& systeme, EtatFeuille etat);

std::string TexteProfondeur(Systeme& systeme, const ResultatFeuille& f, char separateur);
std::string TexteMasseVerreUsine(Systeme& systeme, const ResultatFeuille& f, char separateur);
std::string TexteVolume(Systeme& systeme, const ResultatFeuille& f, char separateur);
std::string TexteMasseMiroir(Systeme& systeme, const ResultatFeuille& f, char separateur);
std::string TexteEchelleImage(Systeme& systeme, const ResultatFeuille& f, char separateur);

// Font heights of a target's body text and of its superscripts.
struct HauteursTexte {
    int Corps = 0;
    int Exposant = 0;
};

// "Epaisseur minimale = 22 mm pour R⁴/e² = 2000 cm²".
void EcritEpaisseurMinimale(Canvas& c, Systeme& systeme, int x, int y, const ResultatFeuille& f,
                            char separateur, const HauteursTexte& h);
// "R⁴/e² = 1600 cm²" from the series diameter and the thickness; the label alone when the
// ratio has no value.
void EcritRapportR4e2(Canvas& c, int x, int y, const Document& doc, char separateur,
                      const HauteursTexte& h);

// The lines from the thickness to the image scale, from y one line step `pas` apart, the
// right column at `xDroite`, the last line centred on `largeur`: the minimum thickness when
// the thickness is at most `seuilEpaisseur` (the screen and the paper differ there), the
// mirror's mass only for a thickness. Returns the y of the last line.
int EcritLignesMatiere(Canvas& c, Systeme& systeme, int x, int xDroite, int largeur, int y, int pas,
                       double seuilEpaisseur, const Document& doc, const ResultatFeuille& f,
                       char separateur, const HauteursTexte& h);

// Text centred on a width, halved toward zero.
void EcritAuCentre(Canvas& c, int largeur, int y, std::string_view texte);

} // namespace tarvo
