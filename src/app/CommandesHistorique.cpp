#include "app/Commandes.h"
#include "app/LectureSerie.h"
#include "app/Programme.h"
#include "pages/historique/DonneesHistorique.h"

#include <algorithm>

namespace tarvo {

namespace {

int NombreDeSeries(Programme& p) {
    return static_cast<int>(p.SeriesHistorique.Series(p.Doc).size());
}

// The line chosen kept on the table's page.
void Choisit(Programme& p, int serie) {
    p.Pages.LigneHistorique = serie;
    if (serie > 0)
        p.Pages.DebutHistorique = DebutPourVoir(NombreDeSeries(p), serie, p.Pages.DebutHistorique);
}

} // namespace

void HistoriqueExecute(Programme& p) {
    if (p.surface.ControleVisible(Controle::Saisie)) ValideEditeur(p);
    p.Etat.PageCourante = PageHistorique;
    p.Pages.DebutHistorique = 0;
    Choisit(p, p.Moyenne ? -1 : std::max(1, p.Doc.SerieCourante));
    AffichePage(p);
}

void OuvreSerieHistorique(Programme& p, int serie) {
    if (serie == -1) {
        if (!p.Moyenne) return;
        p.Etat.PageCourante = PageBulletin;
        AffichePage(p);
        return;
    }
    Document& doc = p.Doc;
    EtatProgramme& etat = p.Etat;
    if (serie < 1 || serie > std::max(doc.NombreSeries, 1)) return;
    QuitteMoyenne(p);
    if (serie != doc.SerieCourante) {
        if (!PeutChangerDeSerie(p)) {
            AffichePage(p);
            return;
        }
        // As the arrows do: the last series' comment kept while an older one is shown, a new
        // series with nothing typed left for the file's series.
        if (!etat.NouvelleSerie && doc.SerieCourante == doc.NombreSeries)
            doc.Commentaire = doc.Note;
        if (!LitSerie(p, serie, etat.NouvelleSerie ? etat.SerieARelire : doc.NombreSeries)) {
            AffichePage(p);
            return;
        }
        etat.NouvelleSerie = false;
    }
    etat.PageCourante = PageBulletin;
    AffichePage(p);
}

void CliqueHistorique(Programme& p, int x, int y) {
    for (const auto& [serie, boite] : p.Pages.LignesHistorique) {
        if (!DansCadre(boite, x, y)) continue;
        p.Pages.LigneHistorique = serie;
        OuvreSerieHistorique(p, serie);
        return;
    }
}

bool ToucheHistorique(Programme& p, TouchePage touche) {
    if (p.Etat.PageCourante != PageHistorique) return false;
    const int nombre = NombreDeSeries(p);
    const bool moyenne = p.Moyenne.has_value();
    // The lines in order: the series, then the mean.
    const int derniere = moyenne ? nombre + 1 : nombre;
    int rang = p.Pages.LigneHistorique == -1 ? nombre + 1 : p.Pages.LigneHistorique;
    if (rang < 1 || rang > derniere) rang = std::min(std::max(p.Doc.SerieCourante, 1), derniere);
    switch (touche) {
    case TouchePage::Haut: rang = std::max(1, rang - 1); break;
    case TouchePage::Bas: rang = std::min(derniere, rang + 1); break;
    case TouchePage::PagePrecedente:
    case TouchePage::PageSuivante: {
        // The table turns a whole page; the line chosen moves with it.
        const int sens = touche == TouchePage::PageSuivante ? 1 : -1;
        const PageDuTableau page = PageDuTableauHistorique(nombre, p.Pages.DebutHistorique);
        p.Pages.DebutHistorique =
            PageDuTableauHistorique(nombre,
                                    std::max(1, page.Premiere + sens * LignesParPageHistorique))
                .Premiere;
        rang = std::clamp(rang + sens * LignesParPageHistorique, 1, derniere);
        break;
    }
    case TouchePage::Debut: rang = 1; break;
    case TouchePage::Fin: rang = derniere; break;
    case TouchePage::Entree:
        OuvreSerieHistorique(p, rang > nombre ? -1 : rang);
        return true;
    }
    if (nombre == 0) return true;
    Choisit(p, rang > nombre ? -1 : rang);
    AffichePage(p);
    return true;
}

} // namespace tarvo
