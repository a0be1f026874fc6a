#include "app/Commandes.h"
#include "app/LectureSerie.h"
#include "app/Programme.h"
#include "platform/Traduction.h"

namespace tarvo {

namespace {

constexpr const char* SauvegarderAvantSerie = TARVO_NOOP(
    "Programme", "Il faut d'abord sauvegarder le fichier pour changer de série de mesures.");

// Browsing re-reads the file, which replaces the series in memory and clears the
// modification flags: a change that is not saved would be lost without any question.
bool ChangementsNonEnregistres(const Document& doc) {
    return doc.Modifie || doc.ModifieBulletin;
}

} // namespace

bool PeutChangerDeSerie(Programme& p) {
    if (!ChangementsNonEnregistres(p.Doc)) return true;
    p.services.dialogues.Message(p.services.systeme.Traduit("Programme", SauvegarderAvantSerie));
    return false;
}

void SeriePrecedente(Programme& p) {
    // The arrows and F4 leave a mean for the series around the one in memory.
    QuitteMoyenne(p);
    Document& doc = p.Doc;
    EtatProgramme& etat = p.Etat;
    // A new series nothing was typed in is left for the last series of the file, or the one
    // before it when the new series took the place of an empty last one.
    const int precedente = !etat.NouvelleSerie    ? doc.SerieCourante - 1
                           : etat.NouvelleAjoutee ? etat.SerieARelire
                                                  : etat.SerieARelire - 1;
    if (precedente < 1) {
        // Nothing before: no read, nothing changes.
        p.surface.AfficheControle(Controle::DownRelache, false);
        return;
    }
    if (!PeutChangerDeSerie(p)) return;
    // The last series' comment is kept while older ones are shown.
    if (!etat.NouvelleSerie && doc.SerieCourante == doc.NombreSeries) doc.Commentaire = doc.Note;
    if (LitSerie(p, precedente, etat.NouvelleSerie ? etat.SerieARelire : doc.NombreSeries))
        etat.NouvelleSerie = false;
    AffichePage(p);
}

void SerieSuivante(Programme& p) {
    QuitteMoyenne(p);
    Document& doc = p.Doc;
    if (doc.SerieCourante >= doc.NombreSeries) {
        p.surface.AfficheControle(Controle::UpRelache, false);
        return;
    }
    if (!PeutChangerDeSerie(p)) return;
    LitSerie(p, doc.SerieCourante + 1, doc.NombreSeries);
    AffichePage(p);
}

void BulletinDeControleExecute(Programme& p) {
    if (p.surface.ControleVisible(Controle::Saisie)) ValideEditeur(p);
    p.Etat.PageCourante = PageBulletin;
    AffichePage(p);
}

void AnalyseExecute(Programme& p) {
    if (p.surface.ControleVisible(Controle::Saisie)) ValideEditeur(p);
    p.Etat.PageCourante = PageAnalyse;
    AffichePage(p);
}

// F4 and F5 browse from the pages of one series only (the report, the analysis), and only
// while the command `Mesures` is enabled; on the history they turn the pages of its table.
void PageMoinsExecute(Programme& p) {
    if (p.Etat.PageCourante == PageHistorique) {
        ToucheHistorique(p, TouchePage::PagePrecedente);
        return;
    }
    if (PageDeSerie(p.Etat.PageCourante) && p.Actions.Active(Action::Mesures)) SeriePrecedente(p);
}

void PagePlusExecute(Programme& p) {
    if (p.Etat.PageCourante == PageHistorique) {
        ToucheHistorique(p, TouchePage::PageSuivante);
        return;
    }
    if (PageDeSerie(p.Etat.PageCourante) && p.Actions.Active(Action::Mesures)) SerieSuivante(p);
}

} // namespace tarvo
