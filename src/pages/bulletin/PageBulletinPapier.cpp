#include "pages/bulletin/PageBulletinPapier.h"

#include "optics/Feuille.h"
#include "pages/bulletin/DonneesBulletin.h"
#include "pages/bulletin/TableBulletin.h"
#include "pages/commun/EnteteEtPied.h"
#include "pages/commun/EnteteSerie.h"
#include "pages/commun/LignesTableZones.h"
#include "pages/commun/MasqueNombre.h"
#include "pages/commun/NotesImprimees.h"
#include "pages/commun/SourceHistorique.h"
#include "pages/commun/TextesComposes.h"
#include "pages/graphes/GraphesBulletin.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace tarvo {
namespace {

constexpr int TailleCorps = 10;
constexpr int TailleExposant = 7;
constexpr double SeuilValeur = 0.0001;

// What the paper's layout needs from the print job.
struct Papier {
    int Marge = 0;
    int Pas = 0;
    int Unite = 0;
    int HauteurCorps = 0;
    int HauteurExposant = 0;
};

// A length written only when it is above 0.0001, with its unit.
std::string Longueur(double valeur, std::string_view masque, char sep) {
    if (!(valeur > SeuilValeur) || !std::isfinite(valeur)) return std::string();
    return FormateMasque(valeur, masque, sep) + " mm";
}

void LigneEpaisseur(Systeme& systeme, const Document& doc, Canvas& c, int x2, int y,
                    const Papier& p, char sep) {
    if (doc.Epaisseur <= 1) {
        const double minimale = EpaisseurMinimale(doc.Diametre);
        if (minimale > SeuilValeur && std::isfinite(minimale)) {
            c.EcritTexte(p.Marge, y,
                         Remplace(systeme.Traduit("Pages", "Epaisseur minimale = %1 mm pour "),
                                  {FormateMasque(minimale, "#0", sep)}));
            EcritR4e2(c, c.PositionCourante().X, y, "2000", p.HauteurCorps, p.HauteurExposant);
        } else {
            c.EcritTexte(p.Marge, y, systeme.Traduit("Pages", "Epaisseur minimale = "));
        }
        return;
    }
    c.EcritTexte(p.Marge, y,
                 systeme.Traduit("Pages", "Epaisseur = ") + Longueur(doc.Epaisseur, "#0.#", sep));
    if (const auto r4e2 = TexteR4e2(doc, sep))
        EcritR4e2(c, x2, y, *r4e2, p.HauteurCorps, p.HauteurExposant);
    else
        EcritLibelleR4e2(c, x2, y, p.HauteurCorps, p.HauteurExposant);
}

// The mirror data; returns the y of the last line.
int DonneesMiroir(Systeme& systeme, const Document& doc, Canvas& c, int y, const Papier& p,
                  char sep) {
    const int x2 = c.Largeur() / 2;
    c.EcritTexte(p.Marge, y,
                 systeme.Traduit("Pages", "Diamètre optique = ") +
                     Longueur(doc.DiametreSerie, "#0.#", sep));
    c.EcritTexte(x2, y,
                 systeme.Traduit("Pages", "Distance Focale = ") +
                     Longueur(doc.FocaleSerie, "#0.#", sep));
    y += p.Pas;
    if (CaracteristiquesValides(doc))
        c.EcritTexte(p.Marge, y, "F/D = " + TexteRapportFD(doc, sep).value_or(""));
    c.EcritTexte(x2, y,
                 systeme.Traduit("Pages", "Rayon de courbure = ") +
                     Longueur(doc.RayonCourbure, "#0.#", sep));
    y += p.Pas;
    if (const auto tache = TexteRayonTache(doc, sep))
        EcritTacheDiffraction(c, systeme, p.Marge, y, *tache, c.HauteurTexte(",") / 10);
    else
        c.EcritTexte(p.Marge, y, systeme.Traduit("Pages", "Rayon de la tache de diffraction = "));
    y += p.Pas;
    LigneEpaisseur(systeme, doc, c, x2, y, p, sep);
    if (doc.TrouCentralSerie > SeuilValeur) {
        y += p.Pas;
        c.EcritTexte(p.Marge, y,
                     systeme.Traduit("Pages", LibelleTrou) +
                         TexteFini(doc.TrouCentralSerie, "#0.0", sep) +
                         systeme.Traduit("Pages", " mm (c'est la zone grisée des graphiques)"));
    }
    return y;
}

// The zone table centred on the page; returns its bottom.
int TablePapier(ContextePage& page, const ResultatReduction& res, Canvas& c, int haut,
                const Papier& p) {
    MiseEnPage& m = page.miseEnPage;
    const int hauteurLigne = c.HauteurTexte("Hp") * 4 / 3;
    const int largeurColonne = c.LargeurTexte("-000.000-");
    m.HauteurLigne = static_cast<std::uint16_t>(std::clamp(hauteurLigne, 0, 0xFFFF));
    m.LargeurColonne = static_cast<std::uint16_t>(std::clamp(largeurColonne, 0, 0xFFFF));
    const TableBulletin table = ConstruitTableBulletin(res, page.doc.CoefDeformation, true,
                                                       SupportTable::Papier, page.systeme);
    const int colonnes = table.NombreZones + 1;
    const int gauche = (c.Largeur() - largeurColonne * colonnes) / 2;
    const int libelles = gauche - c.LargeurTexte("MM");
    const int lignes = static_cast<int>(table.Lignes.size());
    EcritTableBulletin(c, table,
                       PlacementTable{libelles, gauche, largeurColonne, haut, hauteurLigne,
                                      c.HauteurTexte("Bp"), p.HauteurCorps, p.HauteurExposant, 8});
    TraceLignesTableZones(c, TraitsTableZones{libelles, gauche, largeurColonne, colonnes, haut,
                                              hauteurLigne, lignes, p.Unite, 1});
    return haut + lignes * hauteurLigne;
}

void EcritCentre(Canvas& c, int y, std::string_view texte) {
    c.EcritTexte((c.Largeur() - c.LargeurTexte(texte)) / 2, y, texte);
}

// The two graphs share what the page leaves above the notes and the footer; returns the
// bottom of the second one.
int GraphesPapier(ContextePage& page, const ResultatReduction& res, Canvas& c, int basTable,
                  int lignesNotes, const Papier& p) {
    const int yTitre = basTable + page.miseEnPage.HauteurLigne / 2;
    const std::string titreOnde = page.systeme.Traduit("Pages", TitreGrapheOnde);
    EcritCentre(c, yTitre, titreOnde);
    const int hauteur =
        std::max(0, (c.Hauteur() - yTitre - (lignesNotes + 3) * p.Pas - p.Marge) / 2);
    RectangleGraphe onde{p.Marge, yTitre + c.HauteurTexte(titreOnde), c.Largeur() - p.Marge, 0};
    onde.Bas = onde.Haut + hauteur;
    RectangleGraphe aberrations = onde;
    aberrations.Haut = onde.Bas + 2 * c.HauteurTexte("0");
    aberrations.Bas = aberrations.Haut + hauteur;
    const std::string titreAberrations = page.systeme.Traduit("Pages", TitreGrapheAberrations);
    EcritCentre(c, aberrations.Haut - c.HauteurTexte(titreAberrations), titreAberrations);

    const DonneesGraphes donnees{res, page.doc.DiametreSerie, page.doc.TrouCentralSerie,
                                 page.systeme.SeparateurDecimal(), &page.systeme};
    DessineGrapheOndePapier(c, page.miseEnPage, onde, donnees);
    DessineGrapheAberrationsPapier(c, page.miseEnPage, aberrations, donnees);
    // The graphs leave their own settings: the notes and the footer start afresh.
    c.FixePolice(Police{std::string(PoliceArial), p.HauteurCorps, false});
    c.FixePlume(Plume{Noir, StylePlume::Plein, p.Unite});
    c.FixeBrosse(Brosse{});
    return aberrations.Bas;
}

} // namespace

void DessineBulletinPapier(ContextePage& page, const ResultatReduction& res, Canvas& c,
                           int hauteurTitre) {
    const Document& doc = page.doc;
    const MiseEnPage& m = page.miseEnPage;
    Systeme& systeme = page.systeme;
    const char sep = systeme.SeparateurDecimal();
    const int ppp = c.PixelsParPouce();
    const Papier p{m.MargeImpression, m.InterligneImpression, m.UnitePoint,
                   HauteurDeTaille(TailleCorps, ppp), HauteurDeTaille(TailleExposant, ppp)};
    c.FixeTaillePolice(TailleCorps);

    const std::string serie = page.etat.Moyenne
                                  ? LibelleMoyenneAffichee(systeme, *page.etat.Moyenne)
                                  : TexteNumeroSerie(systeme, doc.SerieCourante);
    c.EcritTexte(p.Marge, hauteurTitre - c.HauteurTexte(serie), serie);

    const int haut = DonneesMiroir(systeme, doc, c, hauteurTitre + 2 * p.Pas, p, sep) + p.Pas;
    const std::string libelleNotes = systeme.Traduit("Pages", "Notes : ");
    const int largeurNotes = c.Largeur() - 2 * p.Marge - c.LargeurTexte(libelleNotes);
    const std::vector<std::string> notes = CoupeNotes(
        doc.Note, largeurNotes, [&c](std::string_view texte) { return c.LargeurTexte(texte); });
    const int lignesNotes = static_cast<int>(notes.size());

    int basGraphes = 0;
    if (res.Calculee()) {
        basGraphes =
            GraphesPapier(page, res, c, TablePapier(page, res, c, haut, p), lignesNotes, p);
    } else {
        c.EcritTexte(p.Marge, haut, systeme.Traduit("Pages", TexteEtatReduction(res.Etat)));
        basGraphes = haut + p.Pas;
    }

    const int yNotes = basGraphes + 2 * p.Unite;
    if (!notes.empty()) c.EcritTexte(p.Marge, yNotes, systeme.Traduit("Pages", "Notes :"));
    for (int i = 0; i < lignesNotes; ++i)
        c.EcritTexte(p.Marge + c.LargeurTexte(libelleNotes), yNotes + i * p.Pas,
                     notes[static_cast<std::size_t>(i)]);
    DessinePiedPapier(c, yNotes + lignesNotes * p.Pas, systeme);
}

} // namespace tarvo
