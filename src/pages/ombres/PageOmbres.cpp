#include "pages/ombres/PageOmbres.h"

#include "optics/OmbresSimulees.h"
#include "pages/commun/EnteteEtPied.h"
#include "pages/commun/EnteteSerie.h"
#include "pages/commun/IdentifiantsPages.h"
#include "pages/commun/Impression.h"
#include "pages/commun/MasqueNombre.h"
#include "pages/commun/MesuresSerie.h"
#include "pages/commun/SourceHistorique.h"

#include <algorithm>
#include <array>
#include <string>

namespace tarvo {
namespace {

constexpr int HauteurCorps = 16;
constexpr int HauteurPetite = -11;
constexpr int Gauche = 20;
constexpr int Ecart = 25;
constexpr int CotePapier = 600;

constexpr std::array<std::string_view, 4> LignesModele{
    TARVO_NOOP("Pages", "Optique géométrique, de l'onde du bulletin (source fixe) : la pente de "
                        "l'onde donne l'écart"),
    TARVO_NOOP("Pages", "de chaque rayon au centre de courbure ; le couteau coupe les rayons, le "
                        "réseau les compte."),
    TARVO_NOOP("Pages", "La lumière de chaque point est étalée sur la tache de diffraction (2,44 "
                        "λ R / D, λ = 560 nm)."),
    TARVO_NOOP("Pages", "Le couteau entre par la gauche ; le réseau a ses traits verticaux."),
};

// What both targets show.
struct ContenuOmbres {
    ResultatReduction Reduction;
    RayonsMiroir Mesure, Parfait;
    int Zone = 1;
    double LignesParPouce = 100, Decalage = 2;
    std::string NomParfait;
};

ContenuOmbres Prepare(ContextePage& page) {
    ContenuOmbres c;
    Document copie = page.doc;
    c.Reduction = CalculeBulletin(copie, page.etat.DiametresRetenus);
    if (!c.Reduction.Calculee()) return c;
    const double k = page.doc.CoefDeformation;
    c.Mesure = RayonsMesures(c.Reduction, k);
    c.Parfait = RayonsParfaits(c.Reduction, k);
    const auto& r = page.etat.Ombres;
    c.Zone =
        r.Zone >= 1 && r.Zone <= c.Reduction.NombreZones ? r.Zone : ZoneSoixanteDix(c.Reduction);
    c.LignesParPouce = std::clamp(r.LignesParPouce, 10.0, 1000.0);
    c.Decalage = std::clamp(r.Decalage, 0.1, 50.0);
    c.NomParfait = EstParabolique(k)
                       ? page.systeme.Traduit("Pages", "Parabole parfaite")
                       : Remplace(page.systeme.Traduit("Pages", "Miroir parfait (K = %1)"),
                                  {FormateMasque(k, "#0.000", page.systeme.SeparateurDecimal())});
    return c;
}

// The six pictures, row by row: the knife, then the grating inside, then outside; the
// measured mirror on the left, the perfect one on the right. Each row has its caption.
struct Vues {
    std::array<std::string, 3> Legendes;
    std::array<std::string, 2> Colonnes;
    std::array<std::vector<std::uint8_t>, 6> Gris;
};
Vues Calcule(const ContenuOmbres& c, int cote, Systeme& systeme) {
    const char sep = systeme.SeparateurDecimal();
    const std::string decalage = FormateMasque(c.Decalage, "#0.0", sep);
    const std::string traits = FormateMasque(c.LignesParPouce, "#0", sep);
    Vues v;
    v.Legendes = {
        Remplace(systeme.Traduit("Pages", "Couteau au centre de courbure de la zone %1"),
                 {std::to_string(c.Zone)}),
        Remplace(systeme.Traduit(
                     "Pages", "Réseau de %1 traits par pouce, %2 mm en deçà du centre de courbure"),
                 {traits, decalage}),
        Remplace(systeme.Traduit(
                     "Pages", "Réseau de %1 traits par pouce, %2 mm au-delà du centre de courbure"),
                 {traits, decalage})};
    v.Colonnes = {systeme.Traduit("Pages", "Miroir mesuré"), c.NomParfait};
    const RayonsMiroir* miroirs[] = {&c.Mesure, &c.Parfait};
    for (std::size_t m = 0; m < 2; ++m) {
        const RayonsMiroir& miroir = *miroirs[m];
        v.Gris[m] = ImageFoucault(miroir, CentreDeZone(c.Reduction, miroir, c.Zone), cote);
        v.Gris[2 + m] = ImageRonchi(miroir, -c.Decalage, c.LignesParPouce, cote);
        v.Gris[4 + m] = ImageRonchi(miroir, c.Decalage, c.LignesParPouce, cote);
    }
    return v;
}

// The setting boxes on the line at y, each after its label; returns the line's height.
int Reglages(ContextePage& page, Canvas& c, const ContenuOmbres& contenu, int y, bool visibles) {
    Surface& s = page.surface;
    constexpr Controle boites[] = {Controle::ReglageZone, Controle::ReglageLignes,
                                   Controle::ReglageDecalage};
    if (!visibles) {
        for (const Controle b : boites)
            s.AfficheControle(b, false);
        return 0;
    }
    Systeme& systeme = page.systeme;
    s.FixeReglage(Controle::ReglageZone,
                  Reglage{static_cast<double>(contenu.Zone), 1,
                          static_cast<double>(contenu.Reduction.NombreZones), 1, 0,
                          systeme.Traduit("Pages", "Zone du couteau"), ""});
    s.FixeReglage(Controle::ReglageLignes,
                  Reglage{contenu.LignesParPouce, 10, 1000, 10, 0,
                          systeme.Traduit("Pages", "Traits par pouce du réseau"), ""});
    s.FixeReglage(Controle::ReglageDecalage,
                  Reglage{contenu.Decalage, 0.1, 50, 0.5, 1,
                          systeme.Traduit("Pages", "Décalage du réseau"), " mm"});
    // The knife on the first line, the grating on the second.
    const std::string libelles[] = {
        systeme.Traduit("Pages", "Couteau au centre de courbure de la zone "),
        systeme.Traduit("Pages", "Réseau de "),
        systeme.Traduit("Pages", " traits par pouce, à ± ")};
    const int largeurs[] = {50, 64, 78};
    const int hauteur = c.HauteurTexte("Bp") + 8;
    int x = Gauche;
    for (int k = 0; k < 3; ++k) {
        if (k == 1) {
            x = Gauche;
            y += hauteur + 4;
        }
        c.EcritTexte(x, y + 4, libelles[k]);
        x = c.PositionCourante().X;
        s.FixeLargeurControle(boites[k], largeurs[k]);
        s.FixeHauteurControle(boites[k], hauteur);
        s.PlaceControle(boites[k], x, y);
        s.AfficheControle(boites[k], true);
        x += largeurs[k];
    }
    c.EcritTexte(x, y + 4, systeme.Traduit("Pages", " du centre de courbure"));
    return 2 * hauteur + 4;
}

void DessineEcran(ContextePage& page, const ContenuOmbres& contenu) {
    Surface& surface = page.surface;
    const Document& doc = page.doc;
    const MiseEnPage& m = page.miseEnPage;
    Systeme& systeme = page.systeme;
    EtatFenetrePage(surface, PageOmbres, systeme);
    for (const Controle cache :
         {Controle::Dessin, Controle::Dessin2, Controle::DessinF, Controle::Note, Controle::Saisie,
          Controle::Logo, Controle::FormeParabolique, Controle::FormeSpherique})
        surface.AfficheControle(cache, false);
    Canvas& c = surface.CanvasFenetre();
    // Two pictures side by side, whatever the zone count.
    const int largeurPage =
        std::max(LargeurPageMesures(doc, m), 2 * Gauche + 2 * CoteImageOmbres + Ecart);
    EffaceEcran(surface, c, largeurPage);
    DessineDateEcran(c, m.AbscisseDate, page.systeme.DateCourte(doc.DateSerie));
    SelecteurSeries(surface, systeme, c, doc, page.etat.Moyenne);
    FixeLargeurPage(surface, largeurPage);
    if (!page.etat.Moyenne) DessineNumeroSerie(c, systeme, doc.SerieCourante);

    int y = TitreAjuste(c, m, TitreDeForme(systeme, TitreOmbres, doc.CoefDeformation));
    c.FixeHauteurPolice(HauteurCorps);
    const int u = c.HauteurTexte("Bp") * 11 / 10;
    if (page.etat.Moyenne)
        DessineMoyenneEcran(c, systeme, y, doc, *page.etat.Moyenne);
    else if (!doc.Intitule.empty())
        DessineNomEcran(c, systeme, y, doc.Intitule);
    y += u + u / 2;
    const bool gras = c.PoliceCourante().Gras;
    c.FixeHauteurPolice(HauteurPetite);
    c.FixeGras(false);
    const bool calculee = contenu.Reduction.Calculee();
    y += Reglages(page, c, contenu, y, calculee) + u / 2;
    if (!calculee) {
        c.FixeHauteurPolice(HauteurCorps);
        c.FixeGras(gras);
        c.EcritTexte(Gauche, y,
                     systeme.Traduit("Pages", TexteEtatReduction(contenu.Reduction.Etat)));
        y += 2 * u;
    } else {
        const Vues vues = Calcule(contenu, CoteImageOmbres, systeme);
        const int petit = c.HauteurTexte("Bp");
        for (std::size_t colonne = 0; colonne < 2; ++colonne)
            c.EcritTexte(Gauche + static_cast<int>(colonne) * (CoteImageOmbres + Ecart), y,
                         vues.Colonnes[colonne]);
        y += petit + 4;
        for (std::size_t rangee = 0; rangee < 3; ++rangee) {
            c.EcritTexte(Gauche, y, vues.Legendes[rangee]);
            for (std::size_t colonne = 0; colonne < 2; ++colonne) {
                const int x = Gauche + static_cast<int>(colonne) * (CoteImageOmbres + Ecart);
                c.DessineImageGris(x, y + petit + 2, x + CoteImageOmbres,
                                   y + petit + 2 + CoteImageOmbres, CoteImageOmbres,
                                   CoteImageOmbres, vues.Gris[2 * rangee + colonne].data());
            }
            y += petit + CoteImageOmbres + 12;
        }
        for (const std::string_view ligne : LignesModele) {
            c.EcritTexte(Gauche, y, systeme.Traduit("Pages", ligne));
            y += petit;
        }
    }
    const int bas = y + 10;
    surface.FixeHauteurControle(Controle::Fenetre, bas);
    surface.FixeHauteurFiche(bas);
    VisibiliteFleches(surface, doc, page.etat.Moyenne != nullptr);
    surface.MetAJourVue();
}

void DessinePapier(ContextePage& page, const ContenuOmbres& contenu, Canvas& c, int hauteurTitre) {
    const MiseEnPage& m = page.miseEnPage;
    const int marge = m.MargeImpression, pas = m.InterligneImpression;
    Systeme& systeme = page.systeme;
    c.FixeTaillePolice(10);
    const std::string serie = page.etat.Moyenne
                                  ? LibelleMoyenneAffichee(systeme, *page.etat.Moyenne)
                                  : TexteNumeroSerie(systeme, page.doc.SerieCourante);
    c.EcritTexte(marge, hauteurTitre - c.HauteurTexte(serie), serie);
    int y = hauteurTitre + 2 * pas;
    if (!contenu.Reduction.Calculee()) {
        c.EcritTexte(marge, y,
                     systeme.Traduit("Pages", TexteEtatReduction(contenu.Reduction.Etat)));
        DessinePiedPapier(c, y + 2 * pas, systeme);
        return;
    }
    const int largeur = (c.Largeur() - 2 * marge - pas) / 2;
    const int cote = std::min(largeur, (c.Hauteur() - y - 12 * pas) / 3 - 2 * pas);
    const Vues vues = Calcule(contenu, CotePapier, systeme);
    c.FixeTaillePolice(8);
    for (std::size_t colonne = 0; colonne < 2; ++colonne)
        c.EcritTexte(marge + static_cast<int>(colonne) * (largeur + pas) + (largeur - cote) / 2, y,
                     vues.Colonnes[colonne]);
    y += pas;
    for (std::size_t rangee = 0; rangee < 3; ++rangee) {
        c.EcritTexte(marge + (largeur - cote) / 2, y, vues.Legendes[rangee]);
        for (std::size_t colonne = 0; colonne < 2; ++colonne) {
            const int x =
                marge + static_cast<int>(colonne) * (largeur + pas) + (largeur - cote) / 2;
            c.DessineImageGris(x, y + pas, x + cote, y + pas + cote, CotePapier, CotePapier,
                               vues.Gris[2 * rangee + colonne].data());
        }
        y += cote + 2 * pas;
    }
    for (const std::string_view ligne : LignesModele) {
        c.EcritTexte(marge, y, systeme.Traduit("Pages", ligne));
        y += pas;
    }
    c.FixeTaillePolice(10);
    DessinePiedPapier(c, y + pas, systeme);
}

} // namespace

void AfficheOmbres(ContextePage& page) {
    const ContenuOmbres contenu = Prepare(page);
    DessineEcran(page, contenu);
    if (page.ModeImpression)
        TravailImpression(page, EntetePapier{TitreOmbres, true}, 0,
                          [&page, &contenu](Canvas& c, int hauteurTitre) {
                              DessinePapier(page, contenu, c, hauteurTitre);
                          });
}

} // namespace tarvo
