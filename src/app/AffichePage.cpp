#include "app/Commandes.h"
#include "app/Principale.h"
#include "app/Programme.h"
#include "pages/analyse/PageAnalyse.h"
#include "pages/bulletin/PageBulletin.h"
#include "pages/caracteristiques/PageCaracteristiques.h"
#include "pages/feuille/PageFeuille.h"
#include "pages/historique/PageHistorique.h"
#include "pages/mesures/PageMesures.h"
#include "pages/ombres/PageOmbres.h"

namespace tarvo {

void AffichePage(Programme& p) {
    p.Actions.Active(Action::FileSave1, p.Doc.Modifie && !p.Doc.NomFichier.empty());
    ContextePage contexte = p.Contexte();
    p.principale.FixeTexteNote(contexte.doc.Note);
    if (p.Etat.PageCourante == PageCaracteristiques) {
        AfficheCaracteristiques(contexte);
    } else if (p.Etat.PageCourante == PageBulletin) {
        AfficheBulletin(contexte);
        // The drawer put the last series' comment back in the memo's text.
        p.principale.FixeTexteNote(contexte.doc.Note);
    } else if (p.Etat.PageCourante == PageFeuille) {
        AfficheFeuille(contexte);
    } else if (p.Etat.PageCourante == PageMesures) {
        AfficheMesures(contexte, ModeMesures::Consultation);
    } else if (p.Etat.PageCourante == PageNouvellesMesures) {
        AfficheMesures(contexte, ModeMesures::Nouvelles);
    } else if (p.Etat.PageCourante == PageEditionMesures) {
        AfficheMesures(contexte, ModeMesures::Edition);
    } else if (p.Etat.PageCourante == PageAnalyse) {
        AfficheAnalyse(contexte);
    } else if (p.Etat.PageCourante == PageHistorique) {
        AfficheHistorique(contexte);
    } else if (p.Etat.PageCourante == PageOmbres) {
        AfficheOmbres(contexte);
    }
}

void Programme::IncertitudesPretes() {
    // A print job draws its page once, with what it has: no second drawing inside it.
    if (Etat.PageCourante == PageAnalyse && !Etat.ModeImpression) AffichePage(*this);
}

void InitialiseDocumentFenetre(Programme& p) {
    Canvas& canvas = p.surface.CanvasFenetre();
    const Brosse brosse = canvas.BrosseCourante();
    canvas.FixeStyleBrosse(StyleBrosse::Plein);
    canvas.RemplitRectangle(0, 0, p.surface.LargeurControle(Controle::Fenetre),
                            p.surface.HauteurControle(Controle::Fenetre));
    canvas.FixeBrosse(brosse);
    p.services.fenetre.FixeTitre("Tarvo");
    for (Action a : {Action::FileSave1, Action::Feuille_Travail, Action::NouvellesMesures,
                     Action::EditionDesMesures, Action::BulletinDeControle, Action::Analyse,
                     Action::Historique, Action::MoyenneSeries, Action::EnregistreMoyenne,
                     Action::Ombres, Action::MasqueCouder})
        p.Actions.Active(a, false);
    p.Actions.Active(Action::Imprimer1, true);
    p.principale.FixeTexteNote("");
    p.Etat.NouvelleSerie = false;
    InitialiseDocument(p.Doc, p.services.systeme.Aujourdhui());
}

} // namespace tarvo
