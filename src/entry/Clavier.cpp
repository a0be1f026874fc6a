#include "entry/Clavier.h"

#include "entry/Grille.h"
#include "entry/Navigation.h"
#include "entry/Placement.h"
#include "entry/Souris.h"
#include "entry/Valide.h"
#include "pages/commun/MasqueNombre.h"

namespace tarvo {

namespace {

constexpr char32_t CtrlD = 4;
constexpr char32_t CtrlEntree = 10;
constexpr char32_t CtrlL = 12;
constexpr char32_t Entree = 13;
constexpr char32_t Echap = 27;

// The stored value of the current field as Escape puts it back; a reading drops its
// trailing zeros.
void RemetValeurStockee(ContexteSaisie& c) {
    const std::uint32_t champ = c.saisie.ChampCourant;
    if (champ == Champ::Aucun || champ > Champ::Focale) return;
    if (champ != Champ::Lecture) {
        c.surface.FixeTexteSaisie(TexteDuChamp(c, champ));
        return;
    }
    RameneCellule(c.saisie, c.doc);
    const EtatSaisie& s = c.saisie;
    const double lecture =
        c.doc.Lectures[static_cast<std::size_t>(s.ColonneCourante)][static_cast<std::size_t>(
            s.LigneCourante)][static_cast<std::size_t>(s.DiametreCourant)];
    c.surface.FixeTexteSaisie(lecture > 0.0001
                                  ? FormateMasque(lecture, "#0.###", c.systeme.SeparateurDecimal())
                                  : std::string());
}

// Ctrl+D: the lines of the current diameter all unvalidated when some are, else every
// complete one validated.
void BasculeDiametre(ContexteSaisie& c) {
    RameneCellule(c.saisie, c.doc);
    const DrapeauxValidation avant = Drapeaux(c.doc);
    const auto d = static_cast<std::size_t>(c.saisie.DiametreCourant);
    auto& lectures = c.doc.Lectures;
    if (lectures[0][LigneMoyennes][d] > 0.0001) {
        for (std::size_t j = 1; j <= LignesMesure; ++j)
            lectures[0][j][d] = 0;
        SuitDrapeaux(c.doc, avant);
        c.programme.MetAJourActions();
    } else {
        ValideLignesCompletes(c.doc, static_cast<int>(d));
        SuitDrapeaux(c.doc, avant);
    }
    c.programme.AffichePage();
}

} // namespace

void FicheSaisieKeyDown(ContexteSaisie& c, Touche touche) {
    switch (touche) {
    case Touche::PagePrecedente:
    case Touche::PageSuivante:
        // The typing is dropped: the redraw loads the other diameter's cell.
        if (c.saisie.ChampCourant != Champ::Lecture) return;
        c.saisie.DiametreCourant = c.saisie.DiametreCourant == 1 ? 2 : 1;
        c.programme.AffichePage();
        return;
    case Touche::Gauche:
        Valide(c);
        ChampPrecedent(c);
        c.surface.SelectionneSaisie();
        return;
    case Touche::Droite:
        Valide(c);
        ChampSuivant(c);
        c.surface.SelectionneSaisie();
        return;
    case Touche::Haut:
        Valide(c);
        ChampDessus(c);
        c.programme.AffichePage();
        return;
    case Touche::Bas:
        Valide(c);
        ChampDessous(c);
        c.programme.AffichePage();
        return;
    case Touche::Autre:
        return;
    }
}

bool FicheSaisieKeyPress(ContexteSaisie& c, char32_t caractere) {
    switch (caractere) {
    case CtrlD:
        BasculeDiametre(c);
        return true;
    case CtrlEntree:
        Valide(c);
        ChampPrecedent(c);
        c.surface.SelectionneSaisie();
        return true;
    case CtrlL: {
        const DrapeauxValidation avant = Drapeaux(c.doc);
        BasculeValidation(c.doc, c.saisie);
        SuitDrapeaux(c.doc, avant);
        c.programme.MetAJourActions();
        c.programme.AffichePage();
        return true;
    }
    case Entree:
        Valide(c);
        // The report's series values stay where they are: its redraw hides the editor.
        if (c.saisie.ChampCourant != Champ::DiametreSerie &&
            c.saisie.ChampCourant != Champ::FocaleSerie)
            ChampSuivant(c);
        c.surface.SelectionneSaisie();
        return true;
    case Echap:
        RemetValeurStockee(c);
        c.surface.SelectionneSaisie();
        return true;
    default:
        return false;
    }
}

} // namespace tarvo
