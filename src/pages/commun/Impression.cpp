#include "pages/commun/Impression.h"

#include "pages/commun/EnteteEtPied.h"

namespace tarvo {

void TravailImpression(ContextePage& page, const EntetePapier& entete, int largeurPlume,
                       const std::function<void(Canvas&, int hauteurTitre)>& corps) {
    Canvas* imprimante = page.surface.DebuteImpression();
    if (imprimante == nullptr) {
        page.ModeImpression = false;
        return;
    }
    Canvas& canvas = *imprimante;
    MiseEnPage& m = page.miseEnPage;
    m.PointsParPouce = canvas.PixelsParPouce();
    m.UnitePoint = m.PointsParPouce / 72;
    m.DemiPoint = m.PointsParPouce / 144;

    // The pages set sizes only until their first Greek letter: start from Arial regular.
    canvas.FixePolice(
        Police{std::string(PoliceArial), HauteurDeTaille(10, m.PointsParPouce), false});
    canvas.FixeBrosse(Brosse{});
    canvas.FixePlume(
        Plume{Noir, StylePlume::Plein, largeurPlume > 0 ? largeurPlume : m.UnitePoint});

    const int hauteurTitre =
        DessineEntetePapier(canvas, page.systeme, page.doc, entete.Titre,
                            page.systeme.DateCourte(page.doc.DateSerie), entete.NomGras);
    m.InterligneImpression = canvas.HauteurTexte("Hp");
    m.MargeImpression = canvas.LargeurTexte("Marge");
    corps(canvas, hauteurTitre);

    page.surface.TermineImpression();
    page.ModeImpression = false;
}

} // namespace tarvo
