#include "pages/mesures/PageMesures.h"

#include "pages/commun/EnteteEtPied.h"
#include "pages/commun/IdentifiantsPages.h"
#include "pages/commun/Impression.h"
#include "pages/mesures/GrilleMesures.h"
#include "pages/mesures/PageMesuresPapier.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace tarvo {
namespace {

constexpr int GaucheColonnesNormales = 106;
constexpr int GaucheColonnesGrandes = 116;
constexpr int HauteurTitre = 24;
constexpr int HauteurCorps = 16;
constexpr int HauteurPoliceSaisie = -13;
constexpr int LongueurMaxSaisie = 7;
// Left edge of the grids and of the texts above them.
constexpr int GaucheGrille = 20;
// Right edge of the tick column.
constexpr int BordCoches = 35;
// The line labels are centred this far left of the zone columns (5 more with large fonts).
constexpr int RetraitLibelles = 35;
constexpr std::string_view IndicationSaisie = TARVO_NOOP(
    "Pages",
    "Entrez la valeur de la mesure en mm | Indiquer une valeur positive inférieure à 1000");
constexpr std::string_view TitreConsultation = TARVO_NOOP("Pages", "Mesures");
constexpr std::string_view TitreNouvelles = TARVO_NOOP("Pages", "Nouvelles mesures");
constexpr std::string_view TitreEdition = TARVO_NOOP("Pages", "Modification des mesures");

std::string_view IdentifiantMode(ModeMesures mode) {
    switch (mode) {
    case ModeMesures::Nouvelles:
        return PageNouvellesMesures;
    case ModeMesures::Edition:
        return PageEditionMesures;
    case ModeMesures::Consultation:
        break;
    }
    return PageMesures;
}

std::string_view TitreMode(ModeMesures mode) {
    switch (mode) {
    case ModeMesures::Nouvelles:
        return TitreNouvelles;
    case ModeMesures::Edition:
        return TitreEdition;
    case ModeMesures::Consultation:
        break;
    }
    return TitreConsultation;
}

// The screen layout of the two grids: zone columns `Colonne` wide from x = `Gauche`,
// rows `Ligne` high, grid d from y = `Haut`[d] (row 0 the header, 11 the means).
struct Grille {
    int Colonne = 0;
    int Ligne = 0;
    int Gauche = 0;
    int Zones = 0;
    std::array<int, 3> Haut{};

    int Droite() const { return Gauche + Zones * Colonne; }
    int HautDe(int d) const { return Haut[static_cast<std::size_t>(d)]; }
    // Top of a text `hauteur` high centred in row k of grid d.
    int HautTexte(int d, int k, int hauteur) const {
        return HautDe(d) + k * Ligne + (Ligne - hauteur) / 2;
    }
};

// The arrows browse the series in view mode only.
void FlechesSeries(Surface& surface, Canvas& c, const Document& doc, bool consultation) {
    if (consultation) {
        const int serie = doc.SerieCourante;
        CadreSelecteurSeries(surface, c);
        surface.AfficheControle(Controle::UpRelache, serie < doc.NombreSeries);
        // Never both arrows hidden, even past the last series.
        surface.AfficheControle(Controle::UpNeutre, serie >= doc.NombreSeries);
        surface.AfficheControle(Controle::DownRelache, serie >= 2);
        surface.AfficheControle(Controle::DownNeutre, serie <= 1);
        return;
    }
    for (const Controle fleche :
         {Controle::DownRelache, Controle::DownNeutre, Controle::UpRelache, Controle::UpNeutre})
        surface.AfficheControle(fleche, false);
}

void RegleSaisie(Surface& surface, const MiseEnPage& m) {
    surface.FixeHauteurPoliceControle(Controle::Saisie, HauteurPoliceSaisie);
    surface.FixeHauteurControle(Controle::Saisie, m.HauteurLigneMesure);
    surface.FixeLargeurControle(Controle::Saisie, m.LargeurColonneMesure);
    surface.FixeLongueurMaxSaisie(LongueurMaxSaisie);
}

// Returns the top of grid 1.
int TextesDuHaut(Canvas& c, Systeme& systeme, int largeurPage, ModeMesures mode,
                 bool petitesPolices) {
    const TitreDessine titre = DessineTitreEcran(
        c, largeurPage, systeme.Traduit("Pages", TitreMode(mode)), HauteurTitre, petitesPolices);
    c.FixeHauteurPolice(HauteurCorps);
    c.FixeGras(petitesPolices);
    int y = titre.Hauteur;
    const std::string validees = systeme.Traduit("Pages", PhraseValidees);
    c.EcritTexte(GaucheGrille, y, validees);
    const int pas = 3 * c.HauteurTexte(validees) / 2;
    y += pas;
    c.EcritTexte(GaucheGrille, y, systeme.Traduit("Pages", PhraseUnites));
    y += pas;
    const std::string diametre1 = LibelleDiametre(systeme, 1);
    c.EcritTexte(GaucheGrille, y, diametre1);
    return y + c.HauteurTexte(diametre1);
}

void EnregistreCadres(CadresPage& cadres, const Grille& g, int d) {
    const int t = g.HautDe(d);
    const auto premier = static_cast<std::size_t>(2 * d - 1);
    cadres.Cadres[premier] = Cadre{GaucheGrille, t, g.Droite(), t + 12 * g.Ligne};
    cadres.Cadres[premier + 1] = Cadre{g.Gauche, t + g.Ligne, g.Droite(), t + 11 * g.Ligne};
}

void TraitsGrille(Canvas& c, const Grille& g, int d) {
    const int t = g.HautDe(d);
    const int bas = t + 12 * g.Ligne;
    for (const int x : {GaucheGrille - 1, BordCoches})
        TraceSegment(c, x, t + g.Ligne, x, bas);
    for (const int x : {g.Gauche - 1, g.Gauche})
        TraceSegment(c, x, t, x, bas);
    for (int z = 1; z <= g.Zones; ++z) {
        const int x = g.Gauche + z * g.Colonne - 1;
        TraceSegment(c, x, t, x, bas);
    }
    for (int k = 1; k <= 12; ++k) {
        const int y = t + k * g.Ligne;
        TraceSegment(c, GaucheGrille, y - 1, g.Droite(), y - 1);
        if (k == 1 || k == 11) TraceSegment(c, GaucheGrille, y, g.Droite(), y);
    }
}

void TexteCentre(Canvas& c, int centre, int y, const std::string& texte) {
    c.EcritTexte(centre - c.LargeurTexte(texte) / 2, y, texte);
}

void TextesGrille(Canvas& c, Systeme& systeme, const Grille& g, int d, bool petitesPolices) {
    const int centre = g.Gauche - RetraitLibelles;
    const int centreLignes = petitesPolices ? centre : centre - 5;
    const std::string zones(LibelleZones);
    TexteCentre(c, centre, g.HautTexte(d, 0, c.HauteurTexte(zones)), zones);
    for (int z = 1; z <= g.Zones; ++z) {
        const std::string numero = std::to_string(z);
        c.EcritTexte(g.Gauche + (z - 1) * g.Colonne + (g.Colonne - c.LargeurTexte(numero)) / 2,
                     g.HautTexte(d, 0, c.HauteurTexte(numero)), numero);
    }
    for (int r = 1; r <= LignesMesure; ++r) {
        const std::string libelle = LibelleLigne(systeme, r);
        TexteCentre(c, centreLignes, g.HautTexte(d, r, c.HauteurTexte(libelle)), libelle);
    }
    const std::string moyenne = LibelleMoyenne(systeme, d);
    TexteCentre(c, centreLignes, g.HautTexte(d, LigneMoyennes, c.HauteurTexte(moyenne)), moyenne);
}

// The readings with the ticks of the validated lines, and the means under them.
void ValeursGrille(Canvas& c, const Grille& g, const Document& doc, int d, char sep) {
    const int h = c.HauteurTexte("M");
    const int retrait = (g.Colonne - c.LargeurTexte(EchantillonLecture)) / 2;
    auto ecrit = [&](int z, int y, double valeur) {
        const std::string texte = TexteLecture(valeur, sep);
        if (!texte.empty())
            c.EcritTexte(g.Gauche + z * g.Colonne - retrait - c.LargeurTexte(texte), y, texte);
    };
    for (int r = 1; r <= LignesMesure; ++r) {
        const int y = g.HautTexte(d, r, h);
        for (int z = 1; z <= g.Zones; ++z)
            ecrit(z, y, Lecture(doc, z, r, d));
        if (LigneValidee(doc, r, d)) CocheEcran(c, GaucheGrille, y);
    }
    if (!LigneValidee(doc, LigneMoyennes, d)) return;
    const int y = g.HautTexte(d, LigneMoyennes, h);
    for (int z = 1; z <= g.Zones; ++z)
        ecrit(z, y, Lecture(doc, z, LigneMoyennes, d));
    CocheEcran(c, GaucheGrille, y);
}

// The editor over the current cell, loaded with its reading.
void PlaceSaisie(ContextePage& page, const Grille& g) {
    EtatSaisie& saisie = page.saisie;
    Surface& surface = page.surface;
    RameneCellule(saisie, page.doc);
    const int ligne = saisie.LigneCourante;
    const int colonne = saisie.ColonneCourante;
    const int diametre = saisie.DiametreCourant;
    surface.PlaceControle(Controle::Saisie, g.Gauche + (colonne - 1) * g.Colonne,
                          g.HautDe(diametre) + ligne * g.Ligne + 1);
    const double lecture = Lecture(page.doc, colonne, ligne, diametre);
    const std::string texte = TexteLecture(lecture, page.systeme.SeparateurDecimal());
    surface.FixeTexteSaisie(texte);
    saisie.TextePlace = texte;
    // A reading of a file beyond the editor's 7 characters is shown whole: a cut text would
    // be stored at the next validation.
    if (texte.size() > LongueurMaxSaisie)
        surface.FixeLongueurMaxSaisie(static_cast<int>(texte.size()));
    saisie.ValeurAvantSaisie = lecture;
    surface.AfficheControle(Controle::Saisie, !saisie.MasquerSaisie);
    if (!saisie.MasquerSaisie) surface.SelectionneSaisie();
}

void DessineEcran(ContextePage& page, ModeMesures mode) {
    Surface& surface = page.surface;
    Document& doc = page.doc;
    const MiseEnPage& m = page.miseEnPage;
    const bool consultation = mode == ModeMesures::Consultation;
    const bool petitesPolices = m.PetitesPolices;

    Grille g;
    g.Colonne = m.LargeurColonneMesure;
    g.Ligne = m.HauteurLigneMesure;
    g.Gauche = petitesPolices ? GaucheColonnesNormales : GaucheColonnesGrandes;
    g.Zones = ZonesUtilisees(doc);
    const int largeurPage = LargeurPageMesures(doc, m);

    Systeme& systeme = page.systeme;
    EtatFenetrePage(surface, IdentifiantMode(mode), systeme);
    surface.FixeIndicationSaisie(systeme.Traduit("Pages", IndicationSaisie));
    surface.AfficheControle(Controle::DessinF, false);
    surface.AfficheControle(Controle::Note, false);
    // Cleared over the wider of the page drawn before and this one: no strip of a former
    // page stays beside the grids.
    Canvas& c = surface.CanvasFenetre();
    c.FixeBrosse(Brosse{});
    c.FixePlume(Plume{});
    c.RemplitRectangle(
        0, 0, std::max({surface.LargeurControle(Controle::Fenetre), largeurPage, g.Droite()}),
        surface.HauteurControle(Controle::Fenetre));

    DessineDateEcran(c, m.AbscisseDate, page.systeme.DateCourte(doc.DateSerie));
    FlechesSeries(surface, c, doc, consultation);
    for (const Controle cache : {Controle::Logo, Controle::Dessin, Controle::Dessin2,
                                 Controle::FormeParabolique, Controle::FormeSpherique})
        surface.AfficheControle(cache, false);
    if (consultation) {
        surface.AfficheControle(Controle::Saisie, false);
        surface.MetAJourActions();
    } else {
        RegleSaisie(surface, m);
    }

    FixeLargeurPage(surface, largeurPage);
    DessineNumeroSerie(c, systeme, doc.SerieCourante);

    g.Haut[1] = TextesDuHaut(c, systeme, largeurPage, mode, petitesPolices);
    const int hauteurDiametre = c.HauteurTexte(LibelleDiametre(systeme, 1));
    const char sep = page.systeme.SeparateurDecimal();
    CalculeMoyennesMesures(doc);
    for (int d = 1; d <= 2; ++d) {
        if (d == 2) {
            const int y = g.Haut[1] + 12 * g.Ligne + 3 * hauteurDiametre / 2;
            const std::string diametre2 = LibelleDiametre(systeme, 2);
            c.EcritTexte(GaucheGrille, y, diametre2);
            g.Haut[2] = y + c.HauteurTexte(diametre2);
        }
        EnregistreCadres(page.cadres, g, d);
        TraitsGrille(c, g, d);
        // Clear text backgrounds: a wide label never cuts a rule.
        c.FixeStyleBrosse(StyleBrosse::Vide);
        TextesGrille(c, systeme, g, d, petitesPolices);
        ValeursGrille(c, g, doc, d, sep);
        c.FixeStyleBrosse(StyleBrosse::Plein);
    }
    if (!consultation) PlaceSaisie(page, g);

    const int hauteur = g.Haut[2] + 12 * g.Ligne;
    surface.FixeHauteurControle(Controle::Fenetre, hauteur);
    if (surface.LargeurControle(Controle::Fenetre) < g.Droite())
        surface.FixeLargeurControle(Controle::Fenetre, g.Droite());
    surface.FixeHauteurFiche(surface.HautControle(Controle::Fenetre) + hauteur);
    surface.FixeLargeurFiche(surface.LargeurControle(Controle::Fenetre));
    surface.MetAJourVue();
}

} // namespace

void AfficheMesures(ContextePage& page, ModeMesures mode) {
    DessineEcran(page, mode);
    if (page.ModeImpression)
        TravailImpression(page, TitrePapierMesures, 1, [&page](Canvas& c, int hauteurTitre) {
            DessineMesuresPapier(page, c, hauteurTitre);
        });
}

} // namespace tarvo
