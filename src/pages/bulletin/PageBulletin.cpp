#include "pages/bulletin/PageBulletin.h"

#include "pages/bulletin/DonneesBulletin.h"
#include "pages/bulletin/PageBulletinPapier.h"
#include "pages/bulletin/TableBulletin.h"
#include "pages/commun/EnteteEtPied.h"
#include "pages/commun/EnteteSerie.h"
#include "pages/commun/IdentifiantsPages.h"
#include "pages/commun/Impression.h"
#include "pages/commun/LignesTableZones.h"
#include "pages/commun/MasqueNombre.h"
#include "pages/commun/MesuresSerie.h"
#include "pages/commun/SourceHistorique.h"
#include "pages/commun/TextesComposes.h"
#include "pages/graphes/GraphesBulletin.h"

#include <algorithm>
#include <string>

namespace tarvo {
namespace {

constexpr int HauteurCorps = 16;
constexpr int HauteurExposant = 11;
constexpr int HauteurNotes = -11;
constexpr int GaucheGraphes = 20;
constexpr int HauteurGraphe = 250;
constexpr double SeuilLongueur = 0.0001;

// The body font's metrics on screen: text height hB, line step u, zone-table row height
// and column width.
struct Corps {
    int HauteurTexte = 0;
    int Pas = 0;
    int HauteurLigne = 0;
    int LargeurColonne = 0;
};

// The values the reduction fixes itself, set before anything else so that the page shows
// them even when the series cannot be reduced. A series without a diameter keeps its last
// zone's radius: it must not silently become 0.
void ValeursDeSerie(Document& doc) {
    doc.RayonCourbure = 2 * doc.FocaleSerie;
    if (doc.NombreZones >= 1 && doc.NombreZones <= ZonesMax && doc.DiametreSerie > SeuilLongueur)
        doc.Zones[static_cast<std::size_t>(doc.NombreZones)][RayonExterieur] =
            doc.DiametreSerie / 2;
}

// The memo holds the comment of the last series, which alone can be edited.
void MemoNote(Surface& surface, Systeme& systeme, Document& doc) {
    const bool derniere = doc.SerieCourante == doc.NombreSeries;
    if (derniere) doc.Note = doc.Commentaire;
    surface.FixeIndicationNote(derniere ? systeme.Traduit("Pages", "Commentaire libre") : "");
    surface.FixeLectureSeuleNote(doc.SerieCourante < doc.NombreSeries);
}

// A +/- switch: its frame from x = 4, the minus stroke, and the upright of a plus.
void DessineBoite(Canvas& c, const Cadre& boite, bool moins, int pas) {
    c.Rectangle(4, boite.Haut, boite.Droite, boite.Bas);
    const int milieu = (boite.Haut + boite.Bas) / 2;
    c.DeplaceVers(7, milieu);
    c.TraceVers(13, milieu);
    if (!moins) c.Rectangle(9, boite.Haut + pas / 8, 11, boite.Bas - pas / 8);
}

void Liaison(Canvas& c, int haut, int bas) {
    c.DeplaceVers(10, haut);
    c.TraceVers(10, bas);
}

// From a box down to the middle of a line, then right to the labels.
void Connecteur(Canvas& c, int haut, int bas) {
    Liaison(c, haut, bas);
    c.TraceVers(15, bas);
}

// The label, the value ending the width of `echantillon` + 4 after it, then `suite`;
// returns the value's clickable area, `zone` wide from the end of the label.
Cadre LigneValeur(Canvas& c, int x, int y, int hauteurTexte, std::string_view libelle,
                  const std::string& valeur, std::string_view echantillon, std::string_view zone,
                  std::string_view suite) {
    c.EcritTexte(x, y, libelle);
    const int gauche = c.PositionCourante().X;
    const int fin = gauche + c.LargeurTexte(echantillon) + 4;
    c.EcritTexte(fin - c.LargeurTexte(valeur), y, valeur);
    c.EcritTexte(fin, y, suite);
    return Cadre{gauche, y - 4, gauche + c.LargeurTexte(zone), y + hauteurTexte + 2};
}

// The mirror data of the series; returns the y of its last line.
int BlocMiroir(ContextePage& page, Canvas& c, const ResultatReduction& res, int y,
               const Corps& corps, int largeurPage) {
    const Document& doc = page.doc;
    auto& cadres = page.cadres.Cadres;
    Systeme& systeme = page.systeme;
    const char sep = systeme.SeparateurDecimal();
    const int u = corps.Pas;
    const int hB = corps.HauteurTexte;
    const int x60 = largeurPage * 6 / 10;
    const bool detail = doc.DetailMiroir;
    const bool trou = doc.TrouCentralSerie > SeuilLongueur;
    const bool epaisseur = doc.Epaisseur > SeuilLongueur;

    const Cadre boite{5, y + u / 4, 15, y + 3 * u / 4 + 1};
    cadres[1] = boite;
    DessineBoite(c, boite, detail, u);
    // The connector reaches the block's last line.
    const int lignesSous = (detail ? (epaisseur ? 3 : 2) : 0) + (trou ? 1 : 0);
    if (lignesSous > 0) Connecteur(c, boite.Bas, boite.Bas + u * lignesSous - u / 4);

    cadres[2] = LigneValeur(c, 20, y, hB, systeme.Traduit("Pages", "Diamètre optique = "),
                            TexteFini(doc.DiametreSerie, "#0.0", sep), "1000.0", "MMMM", " mm");
    const Cadre rayon =
        LigneValeur(c, x60, y, hB, systeme.Traduit("Pages", "Rayon de courbure = "),
                    TexteFini(doc.RayonCourbure, "#0.0", sep), "30000", "MMMMN", " mm");
    // Hidden, the radius opens nothing.
    cadres[3] = detail ? rayon : Cadre{};

    if (detail) {
        y += u;
        const double k = doc.CoefDeformation;
        c.EcritTexte(20, y, "F/D = " + TexteRapportFD(doc, sep).value_or(""));
        if (!EstParabolique(k) && !EstSpherique(k))
            c.EcritTexte(c.PositionCourante().X, y,
                         "    " + systeme.Traduit("Pages", "Coefficient de déformation = ") +
                             TexteFini(k, "#0.000", sep));
        c.EcritTexte(x60, y,
                     systeme.Traduit("Pages", "Distance Focale = ") +
                         TexteFini(doc.FocaleSerie, "#0.0", sep) + " mm");

        y += u;
        const auto angle = TexteTacheAngulaire(doc, res, sep);
        const auto tache = TexteRayonTache(doc, sep);
        if (angle && tache)
            EcritTacheDiffraction(c, systeme, 20, y, *angle + "\" = " + *tache, 0);
        else
            c.EcritTexte(20, y, systeme.Traduit("Pages", "Rayon de la tache de diffraction = "));

        if (epaisseur) {
            y += u;
            c.EcritTexte(20, y,
                         systeme.Traduit("Pages", "Epaisseur = ") +
                             TexteFini(doc.Epaisseur, "#0.#", sep) + " mm");
            if (const auto r4e2 = TexteR4e2(doc, sep))
                EcritR4e2(c, x60, y, *r4e2, HauteurCorps, HauteurExposant);
            else
                EcritLibelleR4e2(c, x60, y, HauteurCorps, HauteurExposant);
        }
    }
    if (trou) {
        y += u;
        cadres[7] =
            LigneValeur(c, 20, y, hB, systeme.Traduit("Pages", LibelleTrou),
                        TexteFini(doc.TrouCentralSerie, "#0.0", sep), "1000.0", "MMMM",
                        systeme.Traduit("Pages", " mm  (c'est la zone grisée des graphiques)"));
    }
    return y;
}

// The zone table with its switches; returns its bottom.
int TableEcran(ContextePage& page, Canvas& c, const ResultatReduction& res, int haut,
               const Corps& corps) {
    const Document& doc = page.doc;
    auto& cadres = page.cadres.Cadres;
    const int u = corps.Pas;
    const int hl = corps.HauteurLigne;
    const bool detail = doc.DetailZones;
    const TableBulletin table =
        ConstruitTableBulletin(res, doc.CoefDeformation, detail, SupportTable::Ecran, page.systeme);
    const int lignes = static_cast<int>(table.Lignes.size());
    const int gaucheColonnes = c.LargeurTexte("MM") + 20;
    EcritTableBulletin(c, table,
                       PlacementTable{20, gaucheColonnes, corps.LargeurColonne, haut, hl,
                                      corps.HauteurTexte, HauteurCorps, HauteurExposant, 0});
    TraceLignesTableZones(c, TraitsTableZones{20, gaucheColonnes, corps.LargeurColonne,
                                              table.NombreZones + 1, haut, hl, lignes, 2, 1});
    const int bas = haut + lignes * hl;

    const Cadre zones{5, haut + u / 4, 15, haut + 3 * u / 4 + 1};
    cadres[4] = zones;
    DessineBoite(c, zones, detail, u);
    if (!detail) {
        // No measures row: nothing to switch.
        cadres[5] = cadres[6] = Cadre{};
        return bas;
    }
    const int hautD1 = haut + table.PremiereMesure * hl + hl / 4;
    const Cadre d1{5, hautD1, 15, hautD1 + zones.Bas - zones.Haut};
    cadres[5] = d1;
    int basBoites = zones.Bas;
    if (res.DiametresValides == 3) {
        Liaison(c, zones.Bas, d1.Haut);
        DessineBoite(c, d1, doc.RetenirD1 && doc.RetenirD2, u);
        basBoites = d1.Bas;
    }
    if (res.DiametresRetenus == 3) {
        const Cadre d2{5, d1.Haut + hl, 15, d1.Bas + hl};
        cadres[6] = d2;
        Liaison(c, d1.Bas, d2.Haut);
        DessineBoite(c, d2, true, u);
        basBoites = d2.Bas;
    }
    Connecteur(c, basBoites, bas - hl + hl / 2);
    return bas;
}

void PlaceGraphe(Surface& surface, Controle image, int haut, int largeur) {
    surface.FixeLargeurControle(image, largeur);
    surface.FixeHauteurControle(image, HauteurGraphe);
    surface.PlaceControle(image, GaucheGraphes, haut);
    surface.AfficheControle(image, true);
}

// The two graphs under their titles; returns the bottom of the second one on the page.
int Graphes(ContextePage& page, Canvas& c, const ResultatReduction& res, int basTable,
            const Corps& corps, int largeurPage) {
    Surface& surface = page.surface;
    const int hautFenetre = surface.HautControle(Controle::Fenetre);
    const int largeur = largeurPage - GaucheGraphes;
    const int y1 = basTable + corps.HauteurLigne / 2;
    const std::string titreOnde = page.systeme.Traduit("Pages", TitreGrapheOnde);
    c.EcritTexte((largeurPage - c.LargeurTexte(titreOnde)) / 2, y1, titreOnde);
    const int hautOnde = y1 + corps.Pas + 1;
    PlaceGraphe(surface, Controle::Dessin, hautFenetre + hautOnde, largeur);
    const int y2 = hautOnde + HauteurGraphe + corps.HauteurLigne / 2;
    const std::string titreAberrations = page.systeme.Traduit("Pages", TitreGrapheAberrations);
    c.EcritTexte((largeurPage - c.LargeurTexte(titreAberrations)) / 2, y2, titreAberrations);
    const int hautAberrations = y2 + corps.Pas + 1;
    PlaceGraphe(surface, Controle::Dessin2, hautFenetre + hautAberrations, largeur);

    const DonneesGraphes donnees{res, page.doc.DiametreSerie, page.doc.TrouCentralSerie,
                                 page.systeme.SeparateurDecimal(), &page.systeme};
    if (Canvas* image = surface.CanvasImage(Controle::Dessin))
        DessineGrapheOnde(*image, largeur, HauteurGraphe, donnees);
    if (Canvas* image = surface.CanvasImage(Controle::Dessin2))
        DessineGrapheAberrations(*image, largeur, HauteurGraphe, donnees);
    return hautAberrations + HauteurGraphe;
}

// "Notes :" and the memo beside it; the page ends under the memo.
void Notes(Surface& surface, Systeme& systeme, Canvas& c, int y) {
    c.FixeHauteurPolice(HauteurNotes);
    c.EcritTexte(20, y, systeme.Traduit("Pages", "Notes :"));
    surface.FixeHauteurPoliceControle(Controle::Note, HauteurNotes);
    surface.PlaceControle(Controle::Note, 20 + c.LargeurTexte(systeme.Traduit("Pages", "Notes : ")),
                          y);
    const int hauteur = y + surface.HauteurControle(Controle::Note) + 1;
    surface.FixeHauteurControle(Controle::Fenetre, hauteur);
    surface.FixeHauteurFiche(hauteur);
}

ResultatReduction DessineEcran(ContextePage& page) {
    Surface& surface = page.surface;
    Document& doc = page.doc;
    MiseEnPage& m = page.miseEnPage;

    EtatFenetrePage(surface, PageBulletin, page.systeme);
    ValeursDeSerie(doc);
    surface.AfficheControle(Controle::DessinF, false);
    surface.AfficheControle(Controle::Note, true);
    MemoNote(surface, page.systeme, doc);

    // Cleared over the wider of the page drawn before and this one, so that no strip of a
    // narrower former page stays beside the report.
    Canvas& c = surface.CanvasFenetre();
    const int largeurPage = LargeurPageMesures(doc, m);
    EffaceEcran(surface, c, largeurPage);
    DessineDateEcran(c, m.AbscisseDate, page.systeme.DateCourte(doc.DateSerie));
    for (const Controle cache :
         {Controle::Saisie, Controle::Logo, Controle::FormeParabolique, Controle::FormeSpherique})
        surface.AfficheControle(cache, false);
    SelecteurSeries(surface, page.systeme, c, doc, page.etat.Moyenne);

    FixeLargeurPage(surface, largeurPage);
    if (!page.etat.Moyenne) DessineNumeroSerie(c, page.systeme, doc.SerieCourante);

    const ResultatReduction res = CalculeBulletin(doc, page.etat.DiametresRetenus);
    if (res.DiametresRetenus >= 1 && res.DiametresRetenus <= 3)
        page.etat.DiametresRetenus = res.DiametresRetenus;
    doc.DiametresValides = res.DiametresValides;

    int y = TitreAjuste(c, m, TitreDeForme(page.systeme, TitreBulletin, doc.CoefDeformation));
    c.FixeHauteurPolice(HauteurCorps);
    Corps corps;
    corps.LargeurColonne = c.LargeurTexte("00000.0");
    corps.HauteurTexte = c.HauteurTexte("Bp");
    corps.Pas = corps.HauteurTexte * 11 / 10;
    corps.HauteurLigne = corps.HauteurTexte + 4;
    m.LargeurColonne = static_cast<std::uint16_t>(std::clamp(corps.LargeurColonne, 0, 0xFFFF));
    m.HauteurLigne = static_cast<std::uint16_t>(std::clamp(corps.HauteurLigne, 0, 0xFFFF));
    if (page.etat.Moyenne)
        DessineMoyenneEcran(c, page.systeme, y, doc, *page.etat.Moyenne);
    else if (!doc.Intitule.empty())
        DessineNomEcran(c, page.systeme, y, doc.Intitule);
    y += corps.Pas;

    const int hautTable = BlocMiroir(page, c, res, y, corps, largeurPage) + corps.Pas;
    int yNotes = 0;
    if (res.Calculee()) {
        const int basTable = TableEcran(page, c, res, hautTable, corps);
        yNotes = Graphes(page, c, res, basTable, corps, largeurPage) + corps.Pas + 1;
    } else {
        c.EcritTexte(20, hautTable, page.systeme.Traduit("Pages", TexteEtatReduction(res.Etat)));
        for (const Controle image : {Controle::Dessin, Controle::Dessin2})
            surface.AfficheControle(image, false);
        for (const std::size_t i : {4u, 5u, 6u})
            page.cadres.Cadres[i] = Cadre{};
        yNotes = hautTable + 2 * corps.Pas;
    }
    Notes(surface, page.systeme, c, yNotes);

    VisibiliteFleches(surface, doc, page.etat.Moyenne != nullptr);
    surface.MetAJourVue();
    return res;
}

} // namespace

void AfficheBulletin(ContextePage& page) {
    // The last zone's radius is saved with the document: an older series shown, with its
    // own diameter, must not leave its radius there for the next save.
    Document& doc = page.doc;
    const int n = doc.NombreZones;
    const bool ancienne = doc.SerieCourante < doc.NombreSeries && n >= 1 && n <= ZonesMax;
    const double rayon = ancienne ? doc.Zones[static_cast<std::size_t>(n)][RayonExterieur] : 0;
    const ResultatReduction res = DessineEcran(page);
    if (page.ModeImpression)
        TravailImpression(page, EntetePapier{TitreBulletin, true}, 0,
                          [&page, &res](Canvas& c, int hauteurTitre) {
                              DessineBulletinPapier(page, res, c, hauteurTitre);
                          });
    if (ancienne) doc.Zones[static_cast<std::size_t>(n)][RayonExterieur] = rayon;
}

} // namespace tarvo
