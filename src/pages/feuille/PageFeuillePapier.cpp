#include "pages/feuille/PageFeuillePapier.h"

#include "pages/commun/EnteteEtPied.h"
#include "pages/commun/MasqueNombre.h"
#include "pages/commun/TextesComposes.h"
#include "pages/feuille/TableFeuille.h"
#include "pages/feuille/TextesFeuille.h"
#include "pages/graphes/GrapheTolerances.h"

#include <string>

namespace tarvo {
namespace {

constexpr int TailleCorps = 10;
constexpr int TailleExposant = 7;
constexpr double SeuilLongueur = 0.0001;
// On paper a thickness of 1 mm or less is taken as not given.
constexpr double SeuilEpaisseur = 1;

// A length written with its unit only when it is above 0.0001.
std::string Longueur(Systeme& systeme, std::string_view libelle, double valeur, char sep) {
    std::string texte = systeme.Traduit("Pages", libelle);
    if (valeur > SeuilLongueur) texte += FormateMasque(valeur, "#0.#", sep) + " mm";
    return texte;
}

// The figures of the mirror; returns the y of the image-scale line.
int Figures(Systeme& systeme, const Document& doc, const ResultatFeuille& f, Canvas& c, int y,
            const MiseEnPage& m, const HauteursTexte& h, char sep) {
    const int marge = m.MargeImpression;
    const int pas = m.InterligneImpression;
    const int x2 = c.Largeur() / 2;
    c.EcritTexte(
        marge, y,
        Longueur(systeme, TARVO_NOOP("Pages", "Diamètre optique = "), doc.DiametreSerie, sep));
    c.EcritTexte(
        x2, y, Longueur(systeme, TARVO_NOOP("Pages", "Distance Focale = "), doc.FocaleSerie, sep));

    y += pas;
    if (CaracteristiquesValides(doc)) {
        const auto fd = RapportFDPapier(doc);
        c.EcritTexte(marge, y, "F/D = " + (fd ? FormateGeneral(*fd, sep) : std::string()));
    }
    c.EcritTexte(
        x2, y,
        Longueur(systeme, TARVO_NOOP("Pages", "Rayon de courbure = "), f.RayonCourbure, sep));

    y += pas;
    if (const auto tache = TacheDiffractionPapier(doc))
        EcritTacheDiffraction(c, systeme, marge, y, FormateMasque(*tache, "#0.00", sep),
                              c.HauteurTexte(",") / 10);
    else
        c.EcritTexte(marge, y, systeme.Traduit("Pages", "Rayon de la tache de diffraction = "));

    if (doc.TrouCentral > SeuilLongueur) {
        y += pas;
        c.EcritTexte(marge, y,
                     Longueur(systeme, TARVO_NOOP("Pages", "Diamètre du trou central = "),
                              doc.TrouCentral, sep));
    }

    y += pas;
    return EcritLignesMatiere(c, systeme, marge, x2, c.Largeur(), y, pas, SeuilEpaisseur, doc, f,
                              sep, h);
}

} // namespace

void DessineFeuillePapier(ContextePage& page, const ResultatFeuille& f, Canvas& c,
                          int hauteurTitre) {
    const Document& doc = page.doc;
    MiseEnPage& m = page.miseEnPage;
    const char sep = page.systeme.SeparateurDecimal();
    const int ppp = c.PixelsParPouce();
    const HauteursTexte h{HauteurDeTaille(TailleCorps, ppp), HauteurDeTaille(TailleExposant, ppp)};
    const int pas = m.InterligneImpression;
    const int u = m.UnitePoint;
    c.FixeTaillePolice(TailleCorps);

    int y = hauteurTitre + pas;
    if (!f.Calculee()) {
        const auto raison = TexteEtatFeuille(page.systeme, f.Etat);
        c.EcritTexte(m.MargeImpression, y, raison[0]);
        c.EcritTexte(m.MargeImpression, y + pas, raison[1]);
        DessinePiedPapier(c, y + 3 * pas, page.systeme);
        return;
    }
    y = Figures(page.systeme, doc, f, c, y, m, h, sep);

    const int hauteurLigne = pas * 3 / 2;
    GabaritTableFeuille g;
    g.LargeurPage = c.Largeur();
    g.Haut = y + 2 * pas;
    g.HauteurLigne = hauteurLigne;
    g.HauteurTexte = pas;
    g.Hauteurs = h;
    g.TraitFort = 2 * u;
    g.TraitFin = u;
    y = DessineTableFeuille(c, page.systeme, m, doc, f, g, sep) + 3 * hauteurLigne / 2;
    EcritAuCentre(c, c.Largeur(), y, page.systeme.Traduit("Pages", LegendeTableFeuille));
    if (doc.TrouCentral > SeuilLongueur) {
        y += hauteurLigne;
        EcritAuCentre(c, c.Largeur(), y, page.systeme.Traduit("Pages", NoteTrouFeuille));
    }

    y += hauteurLigne;
    const ZoneGraphe zone{m.MargeImpression, y, c.Largeur() - 2 * m.MargeImpression,
                          c.Hauteur() - y - m.MargeImpression};
    DessineGrapheTolerancesPapier(
        c, m, zone, DonneesTolerances{f, doc.DiametreSerie, doc.TrouCentral, pas, sep});
    DessinePiedPapier(c, zone.Haut + zone.Hauteur + 2 * u, page.systeme);
}

} // namespace tarvo
