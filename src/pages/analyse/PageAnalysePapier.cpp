#include "pages/analyse/PageAnalysePapier.h"

#include "pages/commun/EnteteEtPied.h"
#include "pages/commun/EnteteSerie.h"
#include "pages/commun/MasqueNombre.h"
#include "pages/commun/SourceHistorique.h"

#include <algorithm>
#include <string>

namespace tarvo {

namespace {

constexpr int TailleCorps = 10;
constexpr int TaillePetite = 8;

} // namespace

void DessineAnalysePapier(ContextePage& page, const ContenuAnalyse& contenu, Canvas& c,
                          int hauteurTitre) {
    const Document& doc = page.doc;
    const MiseEnPage& m = page.miseEnPage;
    Systeme& systeme = page.systeme;
    const char sep = systeme.SeparateurDecimal();
    const int marge = m.MargeImpression, pas = m.InterligneImpression;
    c.FixeTaillePolice(TailleCorps);
    const std::string serie = page.etat.Moyenne
                                  ? LibelleMoyenneAffichee(systeme, *page.etat.Moyenne)
                                  : TexteNumeroSerie(systeme, doc.SerieCourante);
    c.EcritTexte(marge, hauteurTitre - c.HauteurTexte(serie), serie);

    int y = hauteurTitre + 2 * pas;
    c.EcritTexte(marge, y,
                 systeme.Traduit("Pages", "Diamètre optique = ") +
                     TexteFini(doc.DiametreSerie, "#0.0", sep) + " mm");
    c.EcritTexte(c.Largeur() / 2, y,
                 systeme.Traduit("Pages", "Rayon de courbure = ") +
                     TexteFini(2 * doc.FocaleSerie, "#0.0", sep) + " mm");
    y += pas;
    const ResultatReduction& r = contenu.Reduction;
    if (!r.Calculee()) {
        c.EcritTexte(marge, y + pas, systeme.Traduit("Pages", TexteEtatReduction(r.Etat)));
        DessinePiedPapier(c, y + 3 * pas, systeme);
        return;
    }
    c.EcritTexte(marge, y, LigneMesuresRetenues(systeme, doc, r.DiametresRetenus));
    y += 2 * pas;
    y = DessineTableAnalyse(c, systeme, marge, y, pas * 4 / 3, m.DemiPoint, contenu);
    c.FixeTaillePolice(TaillePetite);
    const int petit = c.HauteurTexte("Bp");
    c.EcritTexte(marge, y + petit / 2, LigneEtatIncertitudes(systeme, contenu.Incertitudes));
    y += 3 * petit;

    // The graph takes what the model and the footer leave of the sheet.
    const int lignesModele = static_cast<int>(LignesModele().size());
    c.FixeTaillePolice(TailleCorps);
    const std::string titreGraphe = systeme.Traduit("Pages", TitreGrapheProfil);
    c.EcritTexte((c.Largeur() - c.LargeurTexte(titreGraphe)) / 2, y, titreGraphe);
    y += pas + m.UnitePoint;
    const int hauteur = std::clamp(c.Hauteur() - y - (lignesModele + 1) * petit - 3 * pas, 10 * pas,
                                   c.Largeur() / 2);
    const StyleProfil style{m.DemiPoint,
                            m.UnitePoint,
                            m.PointsParPouce / 25,
                            2 * m.UnitePoint,
                            std::max(1, m.UnitePoint),
                            false};
    DessineGrapheProfil(c, RectangleGraphe{marge, y, c.Largeur() - marge, y + hauteur},
                        contenu.Profil, style);
    y += hauteur + petit;

    c.FixePolice(
        Police{std::string(PoliceArial), HauteurDeTaille(TaillePetite, c.PixelsParPouce()), false});
    c.FixePlume(Plume{Noir, StylePlume::Plein, m.UnitePoint});
    for (const std::string_view ligne : LignesModele()) {
        c.EcritTexte(marge, y, systeme.Traduit("Pages", ligne));
        y += petit;
    }
    c.FixeTaillePolice(TailleCorps);
    DessinePiedPapier(c, y + pas, systeme);
}

} // namespace tarvo
