#include "app/Commandes.h"
#include "app/LectureSerie.h"
#include "app/MetAJourActions.h"
#include "app/NouvelleSerie.h"
#include "app/Principale.h"
#include "app/Programme.h"

namespace tarvo {

namespace {

// The editor on the first cell of the grid, for a reading.
void PremiereCellule(Programme& p) {
    EtatSaisie& s = p.Etat.Saisie;
    s.DiametreCourant = 1;
    s.LigneCourante = 1;
    s.ColonneCourante = 1;
    s.ChampCourant = 9;
    // The editor now holds the cell's reading, not a text rejected earlier.
    s.TexteRejete = false;
}

// The measurement commands show the editor once after their own redraw.
void MontreEditeur(Programme& p) {
    p.surface.AfficheControle(Controle::Saisie, true);
    p.principale.DonneFocusSaisie();
}

} // namespace

void Feuille_TravailExecute(Programme& p) {
    if (p.surface.ControleVisible(Controle::Saisie)) ValideEditeur(p);
    p.Etat.PageCourante = PageFeuille;
    AffichePage(p);
}

void MesuresExecute(Programme& p) {
    p.Etat.PageCourante = PageMesures;
    p.surface.AfficheControle(Controle::Saisie, false);
    AffichePage(p);
}

void NouvellesMesuresExecute(Programme& p) {
    ValideEditeur(p);
    Document& doc = p.Doc;
    EtatProgramme& etat = p.Etat;
    etat.PageCourante = PageNouvellesMesures;
    MetAJourActions(doc, p.Actions);
    const PlaceNouvelleSerie enCours{etat.NouvelleAjoutee, etat.SerieARelire};
    const PlaceNouvelleSerie place = CommenceNouvelleSerie(doc, p.services.systeme.Aujourdhui(),
                                                           etat.NouvelleSerie ? &enCours : nullptr);
    etat.NouvelleAjoutee = place.Ajoutee;
    etat.SerieARelire = place.SerieARelire;
    etat.NouvelleSerie = true;
    MetAJourActions(doc, p.Actions);
    etat.Saisie.ChampCourant = 0;
    p.principale.FixeTexteNote("");
    PremiereCellule(p);
    AffichePage(p);
    MontreEditeur(p);
}

void EditionDesMesuresExecute(Programme& p) {
    p.Etat.PageCourante = PageEditionMesures;
    PremiereCellule(p);
    p.Doc.SerieCourante = p.Doc.NombreSeries;
    AffichePage(p);
    MontreEditeur(p);
}

void AnnulerExecute(Programme& p) {
    EtatProgramme& etat = p.Etat;
    // The last saved series comes back as it is in the file; without a series in the file
    // there is nothing to come back to, and the series in memory stays.
    if (etat.NouvelleSerie) {
        if (etat.SerieARelire < 1)
            etat.NouvelleSerie = false;
        else if (LitSerie(p, etat.SerieARelire, etat.SerieARelire))
            etat.NouvelleSerie = false;
    }
    etat.PageCourante = PageEditionMesures;
    MetAJourActions(p.Doc, p.Actions);
    AffichePage(p);
}

} // namespace tarvo
