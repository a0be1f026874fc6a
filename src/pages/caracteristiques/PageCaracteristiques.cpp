#include "pages/caracteristiques/PageCaracteristiques.h"

#include "pages/commun/EnteteEtPied.h"
#include "pages/commun/IdentifiantsPages.h"
#include "pages/commun/Impression.h"
#include "pages/commun/MasqueNombre.h"
#include "pages/commun/TextesComposes.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace tarvo {
namespace {

constexpr int LargeurPageNormale = 545;
constexpr int LargeurPageGrande = 670;
constexpr int HauteurCorps = 16;
constexpr int HauteurExposant = 11;
constexpr int TailleCorpsPapier = 10;
constexpr int TailleExposantPapier = 7;

bool FormeParabolique(double k) {
    return k > -1.001 && k < -0.999;
}
bool FormeSpherique(double k) {
    return k > -0.001 && k < 0.001;
}

std::string RapportFD(const Document& doc, char sep) {
    return FormateGeneral(Arrondi(doc.Focale * 100 / doc.Diametre) / 100, sep);
}

std::string RayonTache(const Document& doc, char sep) {
    return FormateMasque(doc.Focale * 0.6832 / doc.Diametre, "#0.00", sep);
}

// R⁴/e² in cm²: the radius and the thickness in centimetres.
std::string RapportR4e2(const Document& doc, char sep) {
    const double rayon = doc.Diametre / 20;
    const double epaisseur = doc.Epaisseur / 10;
    return FormateGeneral(Arrondi(std::pow(rayon, 4) / (epaisseur * epaisseur)), sep);
}

// "#0.#" of a stored length, empty when it is exactly 0.
std::string LongueurOuVide(double valeur, char sep) {
    return valeur == 0 ? std::string() : FormateMasque(valeur, "#0.#", sep);
}

// A value line of the screen: label, box sized on a sample, value ending 4 px inside the
// box, unit after it. Returns the box.
Cadre LigneValeur(Canvas& c, int x0, int y, int s, std::string_view libelle,
                  std::string_view echantillon, const std::string& valeur, std::string_view unite) {
    c.EcritTexte(x0, y, libelle);
    Cadre cadre;
    cadre.Gauche = x0 + c.LargeurTexte(libelle);
    cadre.Haut = y - 2;
    cadre.Droite = cadre.Gauche + c.LargeurTexte(echantillon) + 8;
    cadre.Bas = y + s + 2;
    c.Rectangle(cadre.Gauche, cadre.Haut, cadre.Droite, cadre.Bas);
    c.EcritTexte(cadre.Droite - 4 - c.LargeurTexte(valeur), y, valeur);
    if (!unite.empty()) c.EcritTexte(cadre.Droite + 2, y, unite);
    return cadre;
}

void PrepareControles(Surface& surface) {
    for (const Controle cache :
         {Controle::DownRelache, Controle::DownNeutre, Controle::UpRelache, Controle::UpNeutre,
          Controle::Note, Controle::Dessin, Controle::Dessin2, Controle::DessinF})
        surface.AfficheControle(cache, false);
    surface.FixeHauteurPoliceControle(Controle::Saisie, -13);
    surface.AfficheControle(Controle::Saisie, true);
    surface.AfficheControle(Controle::Logo, true);
    for (const Controle bouton : {Controle::FormeParabolique, Controle::FormeSpherique}) {
        surface.FixeHauteurPoliceControle(bouton, -11);
        surface.FixeHauteurControle(bouton, 17);
        surface.AfficheControle(bouton, true);
    }
}

// Shape line: the buttons placed and checked from K, the frame around them, then K.
void LigneForme(ContextePage& page, Canvas& c, int y, int s) {
    Surface& surface = page.surface;
    const std::string forme = page.systeme.Traduit("Pages", "Forme ");
    c.EcritTexte(20, y, forme);
    c.Rectangle(CadreFormes.Gauche, CadreFormes.Haut, CadreFormes.Droite, CadreFormes.Bas);
    page.cadres.Cadres[6] = CadreFormes;
    const int xBouton = 20 + c.LargeurTexte(forme) + 4;
    surface.PlaceControle(Controle::FormeParabolique, xBouton, y);
    surface.PlaceControle(Controle::FormeSpherique, xBouton + EcartFormes, y);
    // Checking a button runs the shape choice, which may redraw the page meanwhile: K is
    // read again afterwards.
    const double k = page.doc.CoefDeformation;
    if (FormeParabolique(k)) {
        surface.CocheControle(Controle::FormeParabolique, true);
        surface.CocheControle(Controle::FormeSpherique, false);
    } else if (FormeSpherique(k)) {
        surface.CocheControle(Controle::FormeSpherique, true);
        surface.CocheControle(Controle::FormeParabolique, false);
    } else {
        surface.CocheControle(Controle::FormeParabolique, false);
        surface.CocheControle(Controle::FormeSpherique, false);
    }
    const char sep = page.systeme.SeparateurDecimal();
    page.cadres.Cadres[7] =
        LigneValeur(c, 252 + c.LargeurTexte("n"), y, s,
                    page.systeme.Traduit("Pages", "ou coefficient de déformation = "), "-00.000",
                    FormateMasque(page.doc.CoefDeformation, "0.000", sep), "");
}

// Zone table of the screen; returns its bottom.
int TableZonesEcran(ContextePage& page, Canvas& c, int y, int s) {
    const Document& doc = page.doc;
    const char sep = page.systeme.SeparateurDecimal();
    const int colonne = c.LargeurTexte("00000.0");
    page.miseEnPage.LargeurColonne = static_cast<std::uint16_t>(colonne);
    const int r0 = 20 + c.LargeurTexte(" Zones ") + 8;
    c.Rectangle(20, y - 2, r0, y + 2 * s + 7);
    c.EcritTexte(28, y, "Zones");
    c.Rectangle(20, y + s + 2, r0, y + 2 * s + 7);
    c.EcritTexte(28, y + s + 4, "H ext.");

    ColonnesDeZones& colonnes = page.cadres.ColonnesZones;
    colonnes.Bords[0] = r0;
    colonnes.Haut = y + s + 2;
    colonnes.Bas = y + 2 * s + 7;
    for (int i = 1; i <= ZonesUtilisees(doc); ++i) {
        const auto n = static_cast<std::size_t>(i);
        const int gauche = colonnes.Bords[n - 1];
        colonnes.Bords[n] = r0 + i * colonne;
        c.Rectangle(gauche - 1, y - 2, colonnes.Bords[n], y + 2 * s + 7);
        c.Rectangle(gauche - 1, colonnes.Haut, colonnes.Bords[n], colonnes.Bas);
        const std::string numero = std::to_string(i);
        c.EcritTexte(gauche + (colonne - c.LargeurTexte(numero)) / 2, y, numero);
        const std::string rayon = FormateMasque(doc.Zones[n][RayonExterieur], "#0.0", sep);
        c.EcritTexte(gauche + colonne - 4 - c.LargeurTexte(rayon), y + s + 4, rayon);
    }
    return colonnes.Bas;
}

// Right edge of the zone table, with the page's left margin repeated on its right.
int LargeurTableZones(Canvas& c, const Document& doc) {
    c.FixeNomPolice(PoliceArial);
    c.FixeHauteurPolice(HauteurCorps);
    c.FixeGras(true);
    return 20 + c.LargeurTexte(" Zones ") + 8 + ZonesUtilisees(doc) * c.LargeurTexte("00000.0") +
           20;
}

void DessineEcran(ContextePage& page) {
    Surface& surface = page.surface;
    Document& doc = page.doc;
    MiseEnPage& m = page.miseEnPage;
    CadresPage& cadres = page.cadres;
    Systeme& systeme = page.systeme;
    const char sep = systeme.SeparateurDecimal();

    EtatFenetrePage(surface, PageCaracteristiques, systeme);
    Canvas& c = surface.CanvasFenetre();
    // Ten zone columns are wider than the page: the page widens so that every column shows.
    const int table = LargeurTableZones(c, doc);
    FixeLargeurPage(surface, std::max(LargeurPageNormale, table));

    doc.RayonCourbure = 2 * doc.Focale;
    c.FixeBrosse(Brosse{});
    c.FixePlume(Plume{});
    c.RemplitRectangle(0, 0, surface.LargeurControle(Controle::Fenetre),
                       surface.HauteurControle(Controle::Fenetre));

    PrepareControles(surface);

    m.PetitesPolices = SondePolices(c);
    if (!m.PetitesPolices) {
        m.LargeurColonneMesure = 65;
        FixeLargeurPage(surface, std::max(LargeurPageGrande, table));
    }
    // The probe measures the fonts on its French title; the page shows the user's.
    const TitreDessine titre = DessineTitreEcran(
        c, surface.LargeurControle(Controle::Fenetre),
        systeme.Traduit("Pages", TitreCaracteristiques.Quelconque), 30, m.PetitesPolices);
    int y = titre.Hauteur + 4;
    const int xt = titre.Gauche + titre.Largeur + 10;

    m.AbscisseDate = 480;
    m.LargeurPageMini =
        xt + DessineDateEcran(c, m.AbscisseDate, page.systeme.DateCourte(doc.DateSerie));
    if (surface.LargeurControle(Controle::Fenetre) < m.LargeurPageMini)
        surface.FixeLargeurControle(Controle::Fenetre, m.LargeurPageMini);
    const int w = surface.LargeurControle(Controle::Fenetre);

    c.FixeNomPolice(PoliceArial);
    c.FixeHauteurPolice(HauteurCorps);
    c.FixeGras(true);
    const int s = c.HauteurTexte("Bp");
    const int pas = s * 15 / 10;

    // The box first: its white inside would hide the name.
    cadres.Cadres[1] = Cadre{67, y - 4, 540, y + s + 2};
    c.Rectangle(67, y - 4, 540, y + s + 2);
    DessineNomEcran(c, systeme, y, doc.Intitule);

    y += pas;
    cadres.Cadres[2] = LigneValeur(c, 20, y, s, systeme.Traduit("Pages", "Diamètre optique = "),
                                   "1000.0", LongueurOuVide(doc.Diametre, sep), " mm");
    cadres.Cadres[3] = LigneValeur(c, w / 2, y, s, systeme.Traduit("Pages", "Distance Focale = "),
                                   "30000,0", LongueurOuVide(doc.Focale, sep), " mm");
    y += pas;
    if (CaracteristiquesValides(doc))
        c.EcritTexte(20, y, systeme.Traduit("Pages", "Finitial/Dinitial = ") + RapportFD(doc, sep));
    cadres.Cadres[4] = LigneValeur(c, w / 2, y, s, systeme.Traduit("Pages", "Rayon de courbure = "),
                                   "30000,0", LongueurOuVide(doc.RayonCourbure, sep), " mm");
    y += pas;
    if (CaracteristiquesValides(doc))
        EcritTacheDiffraction(c, systeme, 20, y, RayonTache(doc, sep), 0);
    y += pas;
    cadres.Cadres[5] = LigneValeur(c, 20, y, s, systeme.Traduit("Pages", "Epaisseur = "), "2000.0",
                                   LongueurOuVide(doc.Epaisseur, sep), " mm");
    if (doc.Diametre > 1 && doc.Epaisseur > 1)
        EcritR4e2(c, w / 2, y, RapportR4e2(doc, sep), HauteurCorps, HauteurExposant);
    y += pas;
    LigneForme(page, c, y, s);
    y += pas;
    cadres.CadreTrou =
        LigneValeur(c, 20, y, s, systeme.Traduit("Pages", "Diamètre du trou central éventuel = "),
                    "000.00", LongueurOuVide(doc.TrouCentral, sep), " mm");
    y += pas;
    cadres.Cadres[8] =
        LigneValeur(c, 20, y, s, systeme.Traduit("Pages", "Nombre de zones de l'écran = "), "000",
                    doc.NombreZones == 0 ? std::string() : std::to_string(doc.NombreZones), "");
    y += pas;
    const int bas = TableZonesEcran(page, c, y, s);

    surface.FixeHauteurControle(Controle::Fenetre, bas);
    surface.FixeHauteurFiche(surface.HautControle(Controle::Fenetre) + bas +
                             surface.HauteurControle(Controle::Logo));
    surface.PlaceControle(Controle::Logo, GaucheLogo, bas + EcartLogo);
    surface.MetAJourVue();
}

void DessinePapier(ContextePage& page, Canvas& c, int hauteurTitre) {
    const Document& doc = page.doc;
    const MiseEnPage& m = page.miseEnPage;
    Systeme& systeme = page.systeme;
    const char sep = systeme.SeparateurDecimal();
    const int marge = m.MargeImpression;
    const int pas = m.InterligneImpression;
    const int x2 = c.Largeur() / 2;
    const int u = m.UnitePoint;
    c.FixeTaillePolice(TailleCorpsPapier);

    int y = hauteurTitre + pas;
    std::string texte = systeme.Traduit("Pages", "Diamètre optique = ");
    if (doc.DiametreSerie > 0.0001) texte += FormateMasque(doc.Diametre, "#0.#", sep) + " mm";
    c.EcritTexte(marge, y, texte);
    texte = systeme.Traduit("Pages", "Distance Focale = ");
    if (doc.FocaleSerie > 0.0001) texte += FormateMasque(doc.Focale, "#0.#", sep) + " mm";
    c.EcritTexte(x2, y, texte);

    y += pas;
    if (CaracteristiquesValides(doc)) c.EcritTexte(marge, y, "F/D = " + RapportFD(doc, sep));
    texte = systeme.Traduit("Pages", "Rayon de courbure = ");
    if (doc.RayonCourbure > 0.0001) texte += FormateMasque(doc.RayonCourbure, "#0.#", sep) + " mm";
    c.EcritTexte(x2, y, texte);

    if (CaracteristiquesValides(doc)) {
        y += pas;
        EcritTacheDiffraction(c, systeme, marge, y, RayonTache(doc, sep), c.HauteurTexte(",") / 10);
    }
    if (doc.Epaisseur > 1) {
        y += pas;
        c.EcritTexte(marge, y,
                     systeme.Traduit("Pages", "Epaisseur = ") +
                         FormateMasque(doc.Epaisseur, "#0.#", sep) + " mm");
        if (doc.DiametreSerie > 1)
            EcritR4e2(c, x2, y, RapportR4e2(doc, sep),
                      HauteurDeTaille(TailleCorpsPapier, c.PixelsParPouce()),
                      HauteurDeTaille(TailleExposantPapier, c.PixelsParPouce()));
    }

    y += pas;
    const double k = doc.CoefDeformation;
    c.EcritTexte(marge, y,
                 FormeParabolique(k) ? systeme.Traduit("Pages", "Forme parabolique")
                 : FormeSpherique(k) ? systeme.Traduit("Pages", "Forme sphérique")
                                     : systeme.Traduit("Pages", "Coefficient de déformation = ") +
                                           FormateMasque(k, "#0.000", sep));
    if (doc.TrouCentral > 0.0001) {
        y += pas;
        c.EcritTexte(marge, y,
                     systeme.Traduit("Pages", "Diamètre du trou central = ") +
                         FormateMasque(doc.TrouCentral, "#0.#", sep) + " mm");
    }
    y += pas;
    c.EcritTexte(marge, y,
                 systeme.Traduit("Pages", "Nombre de zones de l'écran = ") +
                     std::to_string(doc.NombreZones));

    y += 3 * pas / 2;
    const int r0 = marge + c.LargeurTexte(" Zones ") + 8 * u;
    const int y2 = y + 3 * pas / 2;
    const int yb = y + 3 * pas;
    const int colonne = c.LargeurTexte("00000.0");
    c.Rectangle(marge, y, r0, y2);
    c.EcritTexte(marge + 4 * u, y + pas / 4, "Zones");
    c.Rectangle(marge, y2, r0, yb);
    c.EcritTexte(marge + 4 * u, y + 7 * pas / 4, "H ext.");
    for (int i = 1; i <= ZonesUtilisees(doc); ++i) {
        const int gauche = r0 + (i - 1) * colonne;
        const int droite = r0 + i * colonne;
        c.Rectangle(gauche - 1, y, droite, y2);
        c.Rectangle(gauche - 1, y2, droite, yb);
        const std::string numero = std::to_string(i);
        c.EcritTexte(gauche + (colonne - c.LargeurTexte(numero)) / 2, y + pas / 4, numero);
        const double rayon = doc.Zones[static_cast<std::size_t>(i)][RayonExterieur];
        if (rayon > 0.0001) {
            const std::string texteRayon = FormateMasque(rayon, "#0.0", sep);
            c.EcritTexte(gauche + colonne - 4 * u - c.LargeurTexte(texteRayon), y + 7 * pas / 4,
                         texteRayon);
        }
    }
    DessinePiedPapier(c, yb + pas, systeme);
}

} // namespace

void AfficheCaracteristiques(ContextePage& page) {
    page.surface.MetAJourActions();
    DessineEcran(page);
    if (page.ModeImpression)
        TravailImpression(page, TitreCaracteristiques, 0, [&page](Canvas& c, int hauteurTitre) {
            DessinePapier(page, c, hauteurTitre);
        });
}

} // namespace tarvo
