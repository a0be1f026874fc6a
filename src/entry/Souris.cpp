#include "entry/Souris.h"

#include "entry/CliqueBulletin.h"
#include "entry/Grille.h"
#include "entry/Placement.h"
#include "entry/Valide.h"
#include "pages/commun/IdentifiantsPages.h"

#include <algorithm>

namespace tarvo {

namespace {

// Width of a grid's validation margin, and where its line labels end.
constexpr int MargeValidation = 16;
constexpr int FinLibelles = 86;

// The editor on a field, its text selected so that typing replaces it.
void Place(ContexteSaisie& c, std::uint32_t champ, int zone = 0) {
    PlaceEditeur(c, champ, zone);
    c.surface.SelectionneSaisie();
    c.saisie.MasquerSaisie = false;
}

void CliqueCaracteristiques(ContexteSaisie& c, const CadresPage& cadres, int x, int y) {
    const auto& k = cadres.Cadres;
    if (DansCadre(k[1], x, y)) {
        PlaceEditeur(c, Champ::Intitule);
        c.saisie.MasquerSaisie = false;
        return;
    }
    if (k[2].Haut < y && y < k[2].Bas) {
        if (k[2].Gauche < x && x < k[2].Droite) return Place(c, Champ::Diametre);
        if (k[3].Gauche < x && x < k[3].Droite) return Place(c, Champ::Focale);
    }
    if (DansCadre(k[4], x, y)) return Place(c, Champ::RayonCourbure);
    if (DansCadre(k[5], x, y)) return Place(c, Champ::Epaisseur);
    if (DansCadre(k[7], x, y)) return Place(c, Champ::CoefDeformation);
    if (DansCadre(k[8], x, y)) return Place(c, Champ::NombreZones);
    const ColonnesDeZones& zones = cadres.ColonnesZones;
    if (zones.Haut < y && y < zones.Bas) {
        // The last zone's radius is the mirror's: it takes no editor.
        for (int i = 1; i < ZonesUtilisees(c.doc); ++i) {
            const auto bord = static_cast<std::size_t>(i);
            if (zones.Bords[bord - 1] < x && x < zones.Bords[bord]) {
                if (ZoneEditable(c.doc, i)) Place(c, Champ::RayonZone, i);
                return;
            }
        }
    }
    if (DansCadre(cadres.CadreTrou, x, y)) Place(c, Champ::TrouCentral);
}

void EffaceValidations(Document& doc, int diametre) {
    for (int j = 1; j <= LignesMesure; ++j)
        doc.Lectures[0][static_cast<std::size_t>(j)][static_cast<std::size_t>(diametre)] = 0;
}

void CliqueMesures(ContexteSaisie& c, const CadresPage& cadres, int x, int y) {
    EtatSaisie& s = c.saisie;
    const DrapeauxValidation avant = Drapeaux(c.doc);
    const int hauteurLigne = std::max(1, c.miseEnPage.HauteurLigneMesure);
    const int largeurColonne = std::max(1, c.miseEnPage.LargeurColonneMesure);
    for (int d = 1; d <= 2; ++d) {
        const Cadre& grille = cadres.Cadres[d == 1 ? 1 : 3];
        const Cadre& lectures = cadres.Cadres[d == 1 ? 2 : 4];
        const int marge = grille.Gauche + MargeValidation;
        if (lectures.Haut < y && y < lectures.Bas && grille.Gauche < x && x < grille.Droite) {
            s.LigneCourante = static_cast<std::int8_t>(
                std::clamp((y - grille.Haut) / hauteurLigne, 1, LignesMesure));
            s.DiametreCourant = static_cast<std::int8_t>(d);
            if (x < marge) BasculeValidation(c.doc, s);
            if (x > lectures.Gauche)
                s.ColonneCourante =
                    static_cast<std::int8_t>(std::clamp((x - lectures.Gauche) / largeurColonne + 1,
                                                        1, std::max(1, ZonesUtilisees(c.doc))));
            // A click on a line label hides the editor.
            s.MasquerSaisie = marge < x && x < grille.Gauche + FinLibelles;
        }
        // The margin of the mean line, inside the grid: a click beside the grid changes no
        // flag.
        if (PageDeSaisieMesures(c.PageCourante) && lectures.Bas < y && y < grille.Bas &&
            grille.Gauche < x && x < marge) {
            if (c.doc.Lectures[0][LigneMoyennes][static_cast<std::size_t>(d)] <= 0.0001) {
                ValideLignesCompletes(c.doc, d);
            } else {
                EffaceValidations(c.doc, d);
                s.MasquerSaisie = true;
            }
        }
    }
    SuitDrapeaux(c.doc, avant);
    c.programme.MetAJourActions();
    if (s.ColonneCourante < 1) s.ColonneCourante = 1;
    c.programme.AffichePage();
    if (PageDeSaisieMesures(c.PageCourante)) c.surface.SelectionneSaisie();
}

void CliqueRapport(ContexteSaisie& c, const CadresPage& cadres, int x, int y) {
    switch (CliqueBulletin(c.doc, c.pages, cadres, x, y)) {
    case EffetClicBulletin::Redessine:
        c.programme.AffichePage();
        return;
    case EffetClicBulletin::DiametreSerie:
        Place(c, Champ::DiametreSerie);
        return;
    case EffetClicBulletin::RayonCourbure:
        c.dialogues.Bip();
        Place(c, Champ::RayonCourbure);
        return;
    case EffetClicBulletin::TrouSerie:
        Place(c, Champ::TrouCentralSerie);
        return;
    case EffetClicBulletin::Aucun:
        return;
    }
}

} // namespace

void FicheFenetreMouseUp(ContexteSaisie& c, int x, int y) {
    c.saisie.MasquerSaisie = true;
    if (c.surface.ControleVisible(Controle::Saisie)) Valide(c);
    // The boxes of the page as the validation left it: a redraw in a branch records new ones.
    const CadresPage cadres = c.cadres;
    const std::string_view page = c.PageCourante;
    if (page == PageCaracteristiques) CliqueCaracteristiques(c, cadres, x, y);
    if (page == PageMesures || PageDeSaisieMesures(page)) CliqueMesures(c, cadres, x, y);
    if (page == PageBulletin) CliqueRapport(c, cadres, x, y);
    if (c.saisie.MasquerSaisie) c.surface.AfficheControle(Controle::Saisie, false);
}

void BasculeValidation(Document& doc, const EtatSaisie& saisie) {
    EtatSaisie cellule = saisie;
    RameneCellule(cellule, doc);
    double& drapeau = doc.Lectures[0][static_cast<std::size_t>(cellule.LigneCourante)]
                                  [static_cast<std::size_t>(cellule.DiametreCourant)];
    if (drapeau > 0.0001)
        drapeau = 0;
    else
        drapeau = LigneComplete(doc, cellule.LigneCourante, cellule.DiametreCourant) ? 1 : 0;
}

void ValideLignesCompletes(Document& doc, int diametre) {
    if (diametre < 1 || diametre > 2) return;
    const auto d = static_cast<std::size_t>(diametre);
    bool uneComplete = false;
    for (int j = 1; j <= LignesMesure; ++j) {
        if (!LigneComplete(doc, j, diametre)) continue;
        doc.Lectures[0][static_cast<std::size_t>(j)][d] = 1;
        uneComplete = true;
    }
    // The page recounts the validated lines at its next drawing.
    if (uneComplete) doc.Lectures[0][LigneMoyennes][d] = 1;
}

} // namespace tarvo
