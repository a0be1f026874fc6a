#include "pages/feuille/PageFeuille.h"

#include "optics/Feuille.h"
#include "pages/commun/EnteteEtPied.h"
#include "pages/commun/IdentifiantsPages.h"
#include "pages/commun/Impression.h"
#include "pages/commun/MasqueNombre.h"
#include "pages/commun/TextesComposes.h"
#include "pages/feuille/PageFeuillePapier.h"
#include "pages/feuille/TableFeuille.h"
#include "pages/feuille/TextesFeuille.h"
#include "pages/graphes/GrapheTolerances.h"

#include <algorithm>
#include <string>

namespace tarvo {
namespace {

constexpr int LargeurPage = 545;
constexpr int HauteurTitre = 24;
constexpr int HauteurCorps = 16;
constexpr int HauteurExposant = 11;
constexpr int GaucheTexte = 20;
constexpr int GaucheGraphe = 20;
constexpr int HauteurGraphe = 450;
constexpr double SeuilLongueur = 0.0001;
// On screen the hole line is left out up to 1 mm.
constexpr double SeuilTrouEcran = 1;

// The body font's text height th and line step s.
struct Corps {
    int HauteurTexte = 0;
    int Pas = 0;
};

// Width of the centred zone table with the labels' overhang (the width of "M") and the
// page's margin on both sides: ten zones pass 545 px, and the page widens rather than cut
// the labels and the last columns off.
int LargeurTable(Canvas& c, const Document& doc) {
    c.FixePolice(Police{std::string(PoliceArial), HauteurCorps, true});
    const int colonnes = ZonesUtilisees(doc) + 1;
    return colonnes * c.LargeurTexte("00000.0") + 2 * (c.LargeurTexte("M") + GaucheTexte);
}

void Prepare(Surface& surface, Systeme& systeme, const MiseEnPage& m, const Document& doc) {
    surface.FermeAides();
    EtatFenetrePage(surface, PageFeuille, systeme);
    surface.FixeHauteurControle(Controle::DessinF, HauteurGraphe);
    surface.FixeLargeurControle(Controle::Fenetre,
                                std::max(m.PetitesPolices ? LargeurPage : m.LargeurPageMini,
                                         LargeurTable(surface.CanvasFenetre(), doc)));
    surface.FixeLargeurFiche(surface.LargeurControle(Controle::Fenetre));
    surface.MetAJourActions();
    Canvas& c = surface.CanvasFenetre();
    c.FixeBrosse(Brosse{});
    c.FixePlume(Plume{});
    c.RemplitRectangle(0, 0, surface.LargeurControle(Controle::Fenetre),
                       surface.HauteurControle(Controle::Fenetre));
    for (const Controle cache :
         {Controle::DownRelache, Controle::DownNeutre, Controle::UpRelache, Controle::UpNeutre,
          Controle::Saisie, Controle::Note, Controle::Logo, Controle::Dessin, Controle::Dessin2,
          Controle::FormeParabolique, Controle::FormeSpherique})
        surface.AfficheControle(cache, false);
}

// The label, then the value ending the width of `echantillon` + 4 after the label, then
// the unit.
void LigneLongueur(Canvas& c, int x, int y, std::string_view libelle, double valeur,
                   std::string_view echantillon, char sep) {
    c.EcritTexte(x, y, libelle);
    const int fin = x + c.LargeurTexte(libelle) + c.LargeurTexte(echantillon) + 4;
    const std::string texte = FormateMasque(valeur, "#0.0", sep);
    c.EcritTexte(fin - c.LargeurTexte(texte), y, texte);
    c.EcritTexte(fin, y, " mm");
}

// The figures of the mirror from the first line at y; returns the y of the image-scale
// line.
int Figures(ContextePage& page, Canvas& c, const ResultatFeuille& f, int y, const Corps& corps,
            int largeur) {
    const Document& doc = page.doc;
    Systeme& systeme = page.systeme;
    const char sep = systeme.SeparateurDecimal();
    const int xR = largeur * 6 / 10;
    const int s = corps.Pas;
    const HauteursTexte h{HauteurCorps, HauteurExposant};

    LigneLongueur(c, GaucheTexte, y, systeme.Traduit("Pages", "Diamètre optique = "), doc.Diametre,
                  "1000.0", sep);
    LigneLongueur(c, xR, y, systeme.Traduit("Pages", "Distance Focale = "), doc.Focale, "30000,0",
                  sep);

    y += s;
    const auto fd = RapportFDEcran(doc);
    c.EcritTexte(GaucheTexte, y, "F/D = " + (fd ? FormateGeneral(*fd, sep) : std::string()));
    c.EcritTexte(xR, y,
                 systeme.Traduit("Pages", "Rayon de courbure = ") +
                     FormateGeneral(RayonCourbureArrondi(f.RayonCourbure), sep) + " mm");

    y += s;
    EcritTacheDiffraction(c, systeme, GaucheTexte, y,
                          FormateMasque(f.RayonTacheAngulaire, "#0.000", sep) +
                              "\" = " + FormateMasque(f.RayonTache, "#0.00", sep),
                          0);

    if (doc.TrouCentral > SeuilTrouEcran) {
        y += s;
        c.EcritTexte(GaucheTexte, y,
                     systeme.Traduit("Pages", "Diamètre du trou central = ") +
                         FormateMasque(doc.TrouCentral, "#0.0", sep) + " mm");
    }

    y += s;
    return EcritLignesMatiere(c, systeme, GaucheTexte, xR, largeur, y, s, SeuilLongueur, doc, f,
                              sep, h);
}

// The zone table and its captions under the figures; returns the y of the last caption.
int TableEcran(ContextePage& page, Canvas& c, const ResultatFeuille& f, int y, const Corps& corps,
               int largeur) {
    const int s = corps.Pas;
    const int hauteurLigne = corps.HauteurTexte + 7;
    GabaritTableFeuille g;
    g.LargeurPage = largeur;
    g.Haut = y + 2 * s;
    g.HauteurLigne = hauteurLigne;
    g.HauteurTexte = corps.HauteurTexte;
    g.Hauteurs = {HauteurCorps, HauteurExposant};
    y = DessineTableFeuille(c, page.systeme, page.miseEnPage, page.doc, f, g,
                            page.systeme.SeparateurDecimal()) +
        3 * hauteurLigne / 2;
    EcritAuCentre(c, largeur, y, page.systeme.Traduit("Pages", LegendeTableFeuille));
    if (page.doc.TrouCentral > SeuilLongueur) {
        y += s;
        EcritAuCentre(c, largeur, y, page.systeme.Traduit("Pages", NoteTrouFeuille));
    }
    return y;
}

// `DessinF` under the page bitmap, and the graph on it.
void Graphe(ContextePage& page, const ResultatFeuille& f, const Corps& corps, int largeur) {
    Surface& surface = page.surface;
    const int largeurGraphe = largeur - GaucheGraphe;
    surface.FixeLargeurControle(Controle::DessinF, largeurGraphe);
    surface.FixeHauteurControle(Controle::DessinF, HauteurGraphe);
    surface.PlaceControle(Controle::DessinF, GaucheGraphe,
                          surface.HautControle(Controle::Fenetre) +
                              surface.HauteurControle(Controle::Fenetre) + 1);
    surface.AfficheControle(Controle::DessinF, true);
    surface.AfficheControle(Controle::Dessin2, false);
    if (Canvas* image = surface.CanvasImage(Controle::DessinF))
        DessineGrapheTolerances(*image, largeurGraphe, HauteurGraphe,
                                DonneesTolerances{f, page.doc.DiametreSerie, page.doc.TrouCentral,
                                                  corps.HauteurTexte,
                                                  page.systeme.SeparateurDecimal()});
    surface.FixeHauteurFiche(surface.HautControle(Controle::DessinF) + HauteurGraphe + 1);
}

ResultatFeuille DessineEcran(ContextePage& page) {
    Surface& surface = page.surface;
    Document& doc = page.doc;
    const MiseEnPage& m = page.miseEnPage;
    Prepare(surface, page.systeme, m, doc);
    const ResultatFeuille f = CalculeFeuille(doc);

    Canvas& c = surface.CanvasFenetre();
    const int largeur = surface.LargeurControle(Controle::Fenetre);
    const std::string titre = TitreDeForme(page.systeme, TitreFeuille, doc.CoefDeformation);
    int y = DessineTitreEcran(c, largeur, titre, HauteurTitre, m.PetitesPolices).Hauteur;
    DessineDateEcran(c, m.AbscisseDate, page.systeme.DateCourte(doc.DateSerie));

    c.FixePolice(Police{std::string(PoliceArial), HauteurCorps, true});
    Corps corps;
    corps.HauteurTexte = c.HauteurTexte("Bp");
    corps.Pas = corps.HauteurTexte * 11 / 10;
    if (!doc.Intitule.empty()) DessineNomEcran(c, page.systeme, y, doc.Intitule);
    y += corps.Pas;

    if (f.Calculee()) {
        y = Figures(page, c, f, y, corps, largeur);
        y = TableEcran(page, c, f, y, corps, largeur);
    } else {
        const auto raison = TexteEtatFeuille(page.systeme, f.Etat);
        c.EcritTexte(GaucheTexte, y, raison[0]);
        y += corps.Pas;
        c.EcritTexte(GaucheTexte, y, raison[1]);
    }
    surface.FixeHauteurControle(Controle::Fenetre, y + corps.Pas);

    if (f.Calculee()) {
        Graphe(page, f, corps, largeur);
    } else {
        surface.AfficheControle(Controle::DessinF, false);
        surface.FixeHauteurFiche(surface.HautControle(Controle::Fenetre) + y + corps.Pas);
    }
    surface.MetAJourVue();
    return f;
}

} // namespace

void AfficheFeuille(ContextePage& page) {
    const ResultatFeuille f = DessineEcran(page);
    if (page.ModeImpression)
        TravailImpression(page, TitreFeuille, 0, [&page, &f](Canvas& c, int hauteurTitre) {
            DessineFeuillePapier(page, f, c, hauteurTitre);
        });
}

} // namespace tarvo
