#pragma once

#include "app/EtatActions.h"
#include "app/EtatProgramme.h"
#include "app/HistoriqueSeries.h"
#include "app/IncertitudesDeFond.h"
#include "app/MoyenneEnCours.h"
#include "app/Vue.h"
#include "document/Document.h"
#include "document/Historique.h"
#include "entry/ContexteSaisie.h"
#include "pages/commun/Cadres.h"
#include "pages/commun/ContextePage.h"
#include "pages/commun/MiseEnPage.h"
#include "pages/commun/Surface.h"
#include "platform/Services.h"

namespace tarvo {

class Principale;
class Programme;

// The program as the data entry sees it: its redraw and its action update.
class ProgrammePourSaisie final : public ProgrammeSaisie {
  public:
    explicit ProgrammePourSaisie(Programme& p) : Programme_(p) {}
    void AffichePage() override;
    void MetAJourActions() override;

  private:
    Programme& Programme_;
};

// The window as the document code sees it, with the Save command's state kept with the
// other actions: the recent-file refresh enables it there.
class FenetreProgramme final : public Fenetre {
  public:
    FenetreProgramme(Fenetre& fenetre, EtatActions& actions) : Interne(fenetre), Actions(actions) {}
    EtatFenetre Etat() override { return Interne.Etat(); }
    void FixeEtat(EtatFenetre etat) override { Interne.FixeEtat(etat); }
    int Largeur() override { return Interne.Largeur(); }
    int Hauteur() override { return Interne.Hauteur(); }
    int Gauche() override { return Interne.Gauche(); }
    int Haut() override { return Interne.Haut(); }
    void FixeLargeur(int largeur) override { Interne.FixeLargeur(largeur); }
    void FixeHauteur(int hauteur) override { Interne.FixeHauteur(hauteur); }
    void FixeGauche(int gauche) override { Interne.FixeGauche(gauche); }
    void FixeHaut(int haut) override { Interne.FixeHaut(haut); }
    int LargeurClient() override { return Interne.LargeurClient(); }
    void FixeLargeurPage(int largeur) override { Interne.FixeLargeurPage(largeur); }
    void FixeTitre(const std::string& titre) override { Interne.FixeTitre(titre); }
    void AfficheHistorique(int n, bool visible, const std::string& libelle) override {
        Interne.AfficheHistorique(n, visible, libelle);
    }
    void AfficheSeparateurHistorique(bool visible) override {
        Interne.AfficheSeparateurHistorique(visible);
    }
    void ActiveEnregistrer(bool actif) override {
        Actions.Active(Action::FileSave1, actif);
        Interne.ActiveEnregistrer(actif);
    }

  private:
    Fenetre& Interne;
    EtatActions& Actions;
};

// The whole program state for one run: the document, the program's own state, the layout
// and boxes shared with the pages, the actions, the recent files, the viewport, and the
// window services the commands act through. There is one, owned by the entry.
class Programme {
  public:
    Programme(Fichiers& f, Dialogues& d, Systeme& s, Fenetre& fen, Surface& surf,
              GeometrieVue& geometrie, Principale& princ)
        : Fenetre_(fen, Actions), services{f, d, s, Fenetre_}, surface(surf), principale(princ),
          vue(geometrie, Etat), SeriesHistorique(f, &Index) {
        Pages.Incertitudes = &Incertitudes;
        Pages.Historique = &SeriesHistorique;
    }
    Programme(const Programme&) = delete;
    Programme& operator=(const Programme&) = delete;

    // The document the pages of one series draw: the mean when one is shown there.
    Document& DocumentAffiche() {
        Pages.Moyenne = Moyenne ? &Moyenne->Affichage : nullptr;
        const bool surMoyenne = Moyenne && PageDeSerie(Etat.PageCourante);
        return surMoyenne ? Moyenne->Calcul.Serie : Doc;
    }

    ContexteSaisie Saisie() {
        return ContexteSaisie{DocumentAffiche(),
                              Etat.Saisie,
                              Cadres,
                              Mise,
                              Pages,
                              surface,
                              services.dialogues,
                              services.systeme,
                              Etat.PageCourante,
                              Etat.MessageAffiche,
                              PourSaisie};
    }

    ContextePage Contexte() {
        return ContextePage{DocumentAffiche(), surface,           services.systeme,
                            Mise,              Cadres,            Etat.ModeImpression,
                            Pages,             Etat.Saisie};
    }

    Document Doc;
    EtatProgramme Etat;
    MiseEnPage Mise;
    CadresPage Cadres;
    EtatPages Pages;
    EtatActions Actions;
    Historique Histo{};
    // The analysis page's bootstrap; the page is drawn again when it arrives.
    IncertitudesDeFond Incertitudes{[this] { IncertitudesPretes(); }};
    std::optional<MoyenneEnCours> Moyenne;

  private:
    void IncertitudesPretes();

    FenetreProgramme Fenetre_;

  public:
    Services services;
    Surface& surface;
    Principale& principale;
    Vue vue;
    // Where the series of the document's file begin: every read of the file goes through it.
    IndexSeries Index;
    HistoriqueSeries SeriesHistorique;
    ProgrammePourSaisie PourSaisie{*this};
};

} // namespace tarvo
