#pragma once

#include "pages/commun/Canvas.h"
#include "pages/commun/Surface.h"
#include "platform/Systeme.h"
#include "platform/Traduction.h"

#include <string>
#include <string_view>

namespace tarvo {

struct Document;

// The author's web address, printed in the footer of every page.
inline constexpr std::string_view AdresseAuteur = "https://www.tarvo.fr";
inline constexpr std::string_view TextePied =
    TARVO_NOOP("Pages", "Document réalisé avec le logiciel TARVO - ");

// Title of the font-scale probe, and the widest it may be with normal fonts.
inline constexpr std::string_view TitreSonde = "Caractéristiques du miroir";
inline constexpr int LargeurSondeMax = 370;

// The mirror's shape from K: a paraboloid for -1.001 < K < -0.999, a sphere for
// -0.001 < K < 0.001 (strict comparisons).
bool EstParabolique(double coefDeformation);
bool EstSpherique(double coefDeformation);

// " parabolique" for a paraboloid, " sphérique" for a sphere, else nothing.
std::string SuffixeForme(double coefDeformation);

// A page title for each shape of the mirror, each one whole in the catalogue (English puts
// the shape elsewhere than French does); in French the shaped ones are the plain one with
// its `SuffixeForme`.
struct TitreParForme {
    std::string_view Quelconque;
    std::string_view Parabolique;
    std::string_view Spherique;
};
std::string TitreDeForme(Systeme& systeme, const TitreParForme& titre, double coefDeformation);

// Window state of a page (`PageCourante`): toolbar button down, help context, status bar
// text, hint of `Imprimer1`, `Bouton_Annuler`. The report page writes its own status text.
// The texts in the system's language, or in French without one.
void EtatFenetrePage(Surface& surface, std::string_view page, Systeme& systeme);
void EtatFenetrePage(Surface& surface, std::string_view page);

// The page bitmap and its frame at the page's width.
void FixeLargeurPage(Surface& surface, int largeur);

// Font-scale probe: Arial, cell height 30, bold; true when the probe title is at most
// 370 px wide (normal fonts). Leaves that font on the canvas.
bool SondePolices(Canvas& canvas);

// Screen title at y = 0, centred on the page width (halved toward zero), at a cell
// height, bold with normal fonts. Returns where it was drawn.
struct TitreDessine {
    int Gauche = 0;
    int Largeur = 0;
    int Hauteur = 0;
};
TitreDessine DessineTitreEcran(Canvas& canvas, int largeurPage, std::string_view titre, int hauteur,
                               bool petitesPolices);

// The series date at (abscisse, 7) in Arial 14 regular. Returns its width.
int DessineDateEcran(Canvas& canvas, int abscisse, std::string_view date);

// "de " ending at x = 67 and the name from x = 71, in the current font.
void DessineNomEcran(Canvas& canvas, Systeme& systeme, int y, std::string_view intitule);

// The series selector at the top left of the pages that browse the series: the arrows
// placed at left 20 (previous series) and 100 (next series), top 3, the frame around them
// and the frame between them that holds the series number.
void CadreSelecteurSeries(Surface& surface, Canvas& canvas);

// "Série N°" and the series number, Arial 13 regular, centred between the arrows.
void DessineNumeroSerie(Canvas& canvas, Systeme& systeme, int serie);
// "Série N°3", as the paper headers write it too.
std::string TexteNumeroSerie(Systeme& systeme, int serie);
// Another text in the same place and font.
void DessineTexteSerie(Canvas& canvas, std::string_view texte);

// Paper header: title (with the shape suffix) at size 20 centred at y = 0, the date at
// size 10 ending "MM" before the page's right edge and bottom-aligned with the title,
// "de " and the name centred under the title when there is a name (bold when `nomGras`,
// regular again after it). Sets the size to 10. Returns the title height.
int DessineEntetePapier(Canvas& canvas, const Document& doc, std::string_view titre,
                        std::string_view date, bool nomGras = false);
// The same in the system's language.
int DessineEntetePapier(Canvas& canvas, Systeme& systeme, const Document& doc,
                        const TitreParForme& titre, std::string_view date, bool nomGras);

// Paper footer, centred on the page width at y, on a white brush; in the system's language,
// or in French without one.
void DessinePiedPapier(Canvas& canvas, int y, Systeme& systeme);
void DessinePiedPapier(Canvas& canvas, int y);

} // namespace tarvo
