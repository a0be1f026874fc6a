#include "pages/historique/PageHistorique.h"

#include "pages/commun/EnteteEtPied.h"
#include "pages/commun/EnteteSerie.h"
#include "pages/commun/IdentifiantsPages.h"
#include "pages/commun/Impression.h"
#include "pages/commun/MesuresSerie.h"
#include "pages/commun/SourceHistorique.h"
#include "pages/graphes/GraphesHistorique.h"
#include "pages/historique/DonneesHistorique.h"
#include "pages/historique/TableHistorique.h"

#include <algorithm>
#include <string>

namespace tarvo {
namespace {

constexpr int LargeurHistorique = 640;
constexpr int HauteurCorps = 16;
constexpr int HauteurTable = -11;
constexpr int HauteurGraphe = 250;
constexpr int Gauche = 20;
constexpr int TailleCorps = 10;
constexpr int TailleTable = 8;

// What both targets draw.
struct ContenuHistorique {
    const std::vector<ResumeSerie>* Series = nullptr;
    PageDuTableau Page;
    std::vector<LigneTableHistorique> Lignes;
    bool AvecMoyenne = false;
    std::vector<const ResumeSerie*> Dernieres; // the zone graph's, oldest first
};

ContenuHistorique Prepare(ContextePage& page, std::vector<ResumeSerie>& seule) {
    ContenuHistorique contenu;
    if (page.etat.Historique) {
        contenu.Series = &page.etat.Historique->Series(page.doc);
    } else {
        seule = {ResumeDe(page.doc)};
        contenu.Series = &seule;
    }
    const auto& series = *contenu.Series;
    contenu.Page = PageDuTableauHistorique(static_cast<int>(series.size()), page.etat.DebutHistorique);
    Systeme& systeme = page.systeme;
    auto date = [&page](double jour) { return page.systeme.DateCourte(jour); };
    for (int n = contenu.Page.Premiere; n <= contenu.Page.Derniere; ++n) {
        const ResumeSerie& s = series[static_cast<std::size_t>(n - 1)];
        contenu.Lignes.push_back({TextesLigneHistorique(s, systeme, date), s.Numero});
    }
    if (page.etat.Moyenne) {
        contenu.AvecMoyenne = true;
        LigneTableHistorique moyenne{
            TextesLigneHistorique(page.etat.Moyenne->Resume, systeme, date), -1};
        moyenne.Textes[9] = LibelleMoyenneAffichee(systeme, *page.etat.Moyenne);
        contenu.Lignes.push_back(moyenne);
    }
    for (auto s = series.rbegin(); s != series.rend() && contenu.Dernieres.size() < 5; ++s)
        if (s->Calculee()) contenu.Dernieres.insert(contenu.Dernieres.begin(), &*s);
    return contenu;
}

void Centre(Canvas& c, int gauche, int droite, int y, std::string_view texte) {
    c.EcritTexte((gauche + droite - c.LargeurTexte(texte)) / 2, y, texte);
}

void DessineEcran(ContextePage& page, const ContenuHistorique& contenu) {
    Surface& surface = page.surface;
    const Document& doc = page.doc;
    const MiseEnPage& m = page.miseEnPage;
    Systeme& systeme = page.systeme;
    EtatFenetrePage(surface, PageHistorique, systeme);
    for (const Controle cache :
         {Controle::Dessin, Controle::Dessin2, Controle::DessinF, Controle::Note, Controle::Saisie,
          Controle::Logo, Controle::FormeParabolique, Controle::FormeSpherique,
          Controle::DownRelache, Controle::DownNeutre, Controle::UpRelache, Controle::UpNeutre})
        surface.AfficheControle(cache, false);
    Canvas& c = surface.CanvasFenetre();
    const int largeurPage = std::max(LargeurHistorique, LargeurPageMesures(doc, m));
    EffaceEcran(surface, c, largeurPage);
    const int nombre = static_cast<int>(contenu.Series->size());
    surface.FixeTexteStatut(systeme.Traduit(
        "Pages", nombre > LignesParPageHistorique ? StatutHistoriquePages : StatutHistorique));
    DessineDateEcran(c, m.AbscisseDate, page.systeme.DateCourte(doc.DateSerie));
    FixeLargeurPage(surface, largeurPage);

    int y = TitreAjuste(c, m, TitreDeForme(systeme, TitreHistorique, doc.CoefDeformation));
    c.FixeHauteurPolice(HauteurCorps);
    const int u = c.HauteurTexte("Bp") * 11 / 10;
    if (!doc.Intitule.empty()) DessineNomEcran(c, systeme, y, doc.Intitule);
    y += u;
    auto date = [&page](double jour) { return page.systeme.DateCourte(jour); };
    c.EcritTexte(Gauche, y, LigneResumeHistorique(systeme, *contenu.Series, contenu.Page, date));
    y += u + u / 2;

    const bool gras = c.PoliceCourante().Gras;
    c.FixeHauteurPolice(HauteurTable);
    c.FixeGras(false);
    page.etat.LignesHistorique.clear();
    y = DessineTableHistorique(c, systeme, contenu.Lignes,
                               PlacementHistorique{Gauche, y, largeurPage - Gauche - 5,
                                                   c.HauteurTexte("Bp") + 3, 1,
                                                   page.etat.LigneHistorique, contenu.AvecMoyenne},
                               &page.etat.LignesHistorique);

    const StyleHistorique style;
    for (const int graphe : {0, 1}) {
        y += u;
        c.FixeHauteurPolice(HauteurCorps);
        c.FixeGras(gras);
        Centre(c, 0, largeurPage, y,
               systeme.Traduit("Pages", graphe == 0 ? TitreGrapheEcarts : TitreGrapheZones));
        y += u + 1;
        c.FixeHauteurPolice(HauteurTable);
        c.FixeGras(false);
        const RectangleGraphe zone{Gauche, y, largeurPage - 1, y + HauteurGraphe};
        if (graphe == 0)
            DessineGrapheEcarts(c, zone, *contenu.Series, systeme, date, style);
        else
            DessineGrapheZones(c, zone, contenu.Dernieres, doc.DiametreSerie, systeme, date, style);
        y += HauteurGraphe;
    }
    const int bas = y + 10;
    surface.FixeHauteurControle(Controle::Fenetre, bas);
    surface.FixeHauteurFiche(bas);
    surface.MetAJourVue();
}

void DessinePapier(ContextePage& page, const ContenuHistorique& contenu, Canvas& c,
                   int hauteurTitre) {
    const Document& doc = page.doc;
    const MiseEnPage& m = page.miseEnPage;
    Systeme& systeme = page.systeme;
    const int marge = m.MargeImpression, pas = m.InterligneImpression;
    auto date = [&page](double jour) { return page.systeme.DateCourte(jour); };
    c.FixeTaillePolice(TailleCorps);
    int y = hauteurTitre + 2 * pas;
    c.EcritTexte(marge, y, LigneResumeHistorique(systeme, *contenu.Series, contenu.Page, date));
    y += 2 * pas;
    c.FixeTaillePolice(TailleTable);
    y = DessineTableHistorique(c, systeme, contenu.Lignes,
                               PlacementHistorique{marge, y, c.Largeur() - 2 * marge,
                                                   c.HauteurTexte("Bp") * 5 / 4, m.DemiPoint, 0,
                                                   contenu.AvecMoyenne},
                               nullptr);
    // The graphs share what the table and the footer leave of the sheet.
    const int hauteur =
        std::clamp((c.Hauteur() - y - 8 * pas) / 2, 6 * pas, c.Largeur() * 9 / 20);
    const StyleHistorique style{m.DemiPoint, m.PointsParPouce / 25, 3 * m.UnitePoint / 2,
                                std::max(1, m.PointsParPouce / 96)};
    for (const int graphe : {0, 1}) {
        y += pas;
        c.FixeTaillePolice(TailleCorps);
        Centre(c, 0, c.Largeur(), y,
               systeme.Traduit("Pages", graphe == 0 ? TitreGrapheEcarts : TitreGrapheZones));
        y += pas + m.UnitePoint;
        c.FixeTaillePolice(TailleTable);
        const RectangleGraphe zone{marge, y, c.Largeur() - marge, y + hauteur};
        if (graphe == 0)
            DessineGrapheEcarts(c, zone, *contenu.Series, systeme, date, style);
        else
            DessineGrapheZones(c, zone, contenu.Dernieres, doc.DiametreSerie, systeme, date, style);
        y += hauteur;
    }
    c.FixePlume(Plume{Noir, StylePlume::Plein, m.UnitePoint});
    c.FixeTaillePolice(TailleCorps);
    DessinePiedPapier(c, y + pas, systeme);
}

} // namespace

void AfficheHistorique(ContextePage& page) {
    std::vector<ResumeSerie> seule;
    const ContenuHistorique contenu = Prepare(page, seule);
    DessineEcran(page, contenu);
    if (page.ModeImpression)
        TravailImpression(page, EntetePapier{TitreHistorique, true}, 0,
                          [&page, &contenu](Canvas& c, int hauteurTitre) {
                              DessinePapier(page, contenu, c, hauteurTitre);
                          });
}

} // namespace tarvo
