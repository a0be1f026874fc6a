#include "pages/analyse/PageAnalyse.h"

#include "pages/analyse/PageAnalysePapier.h"
#include "pages/analyse/TableAnalyse.h"
#include "pages/commun/EnteteEtPied.h"
#include "pages/commun/EnteteSerie.h"
#include "pages/commun/IdentifiantsPages.h"
#include "pages/commun/Impression.h"
#include "pages/commun/MasqueNombre.h"
#include "pages/commun/MesuresSerie.h"
#include "pages/commun/SourceHistorique.h"

#include <algorithm>
#include <string>

namespace tarvo {
namespace {

constexpr int HauteurCorps = 16;
constexpr int HauteurPetite = -11;
constexpr int HauteurGraphe = 250;
constexpr int Gauche = 20;

void Centre(Canvas& c, int largeurPage, int y, std::string_view texte) {
    c.EcritTexte((largeurPage - c.LargeurTexte(texte)) / 2, y, texte);
}

// The body under the header; returns its bottom.
int Corps(ContextePage& page, Canvas& c, const ContenuAnalyse& contenu, int y, int largeurPage) {
    const Document& doc = page.doc;
    Systeme& systeme = page.systeme;
    const char sep = systeme.SeparateurDecimal();
    const int u = c.HauteurTexte("Bp") * 11 / 10;
    c.EcritTexte(Gauche, y,
                 systeme.Traduit("Pages", "Diamètre optique = ") +
                     TexteFini(doc.DiametreSerie, "#0.0", sep) + " mm");
    c.EcritTexte(largeurPage * 6 / 10, y,
                 systeme.Traduit("Pages", "Rayon de courbure = ") +
                     TexteFini(2 * doc.FocaleSerie, "#0.0", sep) + " mm");
    y += u;
    const ResultatReduction& r = contenu.Reduction;
    if (!r.Calculee()) {
        c.EcritTexte(Gauche, y + u, systeme.Traduit("Pages", TexteEtatReduction(r.Etat)));
        return y + 3 * u;
    }
    c.EcritTexte(Gauche, y, LigneMesuresRetenues(systeme, doc, r.DiametresRetenus));
    y += u + u / 2;
    y = DessineTableAnalyse(c, systeme, Gauche, y, c.HauteurTexte("Bp") + 4, 1, contenu);

    // The small print is regular, whatever the body's weight.
    const bool gras = c.PoliceCourante().Gras;
    c.FixeHauteurPolice(HauteurPetite);
    c.FixeGras(false);
    const int petit = c.HauteurTexte("Bp");
    c.EcritTexte(Gauche, y + petit / 2, LigneEtatIncertitudes(systeme, contenu.Incertitudes));
    y += 2 * petit;

    c.FixeHauteurPolice(HauteurCorps);
    c.FixeGras(gras);
    Centre(c, largeurPage, y, systeme.Traduit("Pages", TitreGrapheProfil));
    y += u + 1;
    c.FixeHauteurPolice(HauteurPetite);
    c.FixeGras(false);
    DessineGrapheProfil(c, RectangleGraphe{Gauche, y, largeurPage - 1, y + HauteurGraphe},
                        contenu.Profil, StyleProfil{});
    y += HauteurGraphe + petit;
    for (const std::string_view ligne : LignesModele()) {
        c.EcritTexte(Gauche, y, systeme.Traduit("Pages", ligne));
        y += petit;
    }
    return y;
}

void DessineEcran(ContextePage& page, const ContenuAnalyse& contenu) {
    Surface& surface = page.surface;
    const Document& doc = page.doc;
    const MiseEnPage& m = page.miseEnPage;

    EtatFenetrePage(surface, PageAnalyse, page.systeme);
    for (const Controle cache :
         {Controle::Dessin, Controle::Dessin2, Controle::DessinF, Controle::Note, Controle::Saisie,
          Controle::Logo, Controle::FormeParabolique, Controle::FormeSpherique})
        surface.AfficheControle(cache, false);
    Canvas& c = surface.CanvasFenetre();
    const int largeurPage = LargeurPageMesures(doc, m);
    EffaceEcran(surface, c, largeurPage);
    DessineDateEcran(c, m.AbscisseDate, page.systeme.DateCourte(doc.DateSerie));
    SelecteurSeries(surface, page.systeme, c, doc, page.etat.Moyenne);
    FixeLargeurPage(surface, largeurPage);
    if (!page.etat.Moyenne) DessineNumeroSerie(c, page.systeme, doc.SerieCourante);

    int y = TitreAjuste(c, m, TitreDeForme(page.systeme, TitreAnalyse, doc.CoefDeformation));
    c.FixeHauteurPolice(HauteurCorps);
    if (page.etat.Moyenne)
        DessineMoyenneEcran(c, page.systeme, y, doc, *page.etat.Moyenne);
    else if (!doc.Intitule.empty())
        DessineNomEcran(c, page.systeme, y, doc.Intitule);
    y += c.HauteurTexte("Bp") * 11 / 10;
    const int bas = Corps(page, c, contenu, y + 4, largeurPage) + 10;
    surface.FixeHauteurControle(Controle::Fenetre, bas);
    surface.FixeHauteurFiche(bas);

    VisibiliteFleches(surface, doc, page.etat.Moyenne != nullptr);
    surface.MetAJourVue();
}

} // namespace

void AfficheAnalyse(ContextePage& page) {
    const ContenuAnalyse contenu = PrepareAnalyse(page);
    DessineEcran(page, contenu);
    if (page.ModeImpression)
        TravailImpression(page, EntetePapier{TitreAnalyse, true}, 0,
                          [&page, &contenu](Canvas& c, int hauteurTitre) {
                              DessineAnalysePapier(page, contenu, c, hauteurTitre);
                          });
}

} // namespace tarvo
