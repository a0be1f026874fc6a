#pragma once

#include "app/Principale.h"
#include "app/SurfaceProgramme.h"
#include "app/Vue.h"
#include "support/CanvasEnregistreur.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace tarvo::test {

// The main window's page area and controls as the program sees them, recorded in plain
// fields: the frame `Fiche`, the controls on it, the two scroll bars and the client area.
class SurfaceProgrammeFactice : public SurfaceProgramme, public GeometrieVue {
  public:
    struct EtatControle {
        int Gauche = 0, Haut = 0, Largeur = 0, Hauteur = 0;
        bool Visible = false;
        bool Coche = false;
    };

    SurfaceProgrammeFactice();

    // Surface
    Canvas& CanvasFenetre() override { return Ecran; }
    Canvas* CanvasImage(Controle) override { return nullptr; }
    int GaucheControle(Controle c) override { return Controles[c].Gauche; }
    int HautControle(Controle c) override { return Controles[c].Haut; }
    int LargeurControle(Controle c) override { return Controles[c].Largeur; }
    int HauteurControle(Controle c) override { return Controles[c].Hauteur; }
    void PlaceControle(Controle c, int gauche, int haut) override {
        Controles[c].Gauche = gauche;
        Controles[c].Haut = haut;
    }
    void FixeHautControle(Controle c, int haut) override { Controles[c].Haut = haut; }
    void FixeLargeurControle(Controle c, int largeur) override { Controles[c].Largeur = largeur; }
    void FixeHauteurControle(Controle c, int hauteur) override { Controles[c].Hauteur = hauteur; }
    void AfficheControle(Controle c, bool visible) override { Controles[c].Visible = visible; }
    bool ControleVisible(Controle c) override { return Controles[c].Visible; }
    void FixeHauteurPoliceControle(Controle, int) override {}
    void FixeLectureSeuleNote(bool lectureSeule) override { NoteLectureSeule = lectureSeule; }
    void FixeIndicationNote(const std::string& indication) override { IndicationNote = indication; }
    void CocheControle(Controle c, bool coche) override { Controles[c].Coche = coche; }
    bool ControleCoche(Controle c) override { return Controles[c].Coche; }
    int HautFiche() override { return Fiche.Haut; }
    void FixeHautFiche(int haut) override { Fiche.Haut = haut; }
    int LargeurFiche() override { return Fiche.Largeur; }
    void FixeLargeurFiche(int largeur) override { Fiche.Largeur = largeur; }
    int HauteurFiche() override { return Fiche.Hauteur; }
    void FixeHauteurFiche(int hauteur) override { Fiche.Hauteur = hauteur; }
    int HauteurBarreOutils() override { return BarreOutils; }
    void FixeTexteStatut(const std::string& texte) override { TexteStatut = texte; }
    Canvas* DebuteImpression() override;
    void TermineImpression() override { ++Impressions; }

    // GeometrieVue
    int HauteurClient() override { return ClientHauteur; }
    int LargeurClient() override { return ClientLargeur; }
    int HauteurBarreEtat() override { return BarreEtat; }
    int HautCadre() override { return Fiche.Haut; }
    int GaucheCadre() override { return Fiche.Gauche; }
    int HauteurCadre() override { return Fiche.Hauteur; }
    int LargeurCadre() override { return Fiche.Largeur; }
    void FixeHautCadre(int haut) override { Fiche.Haut = haut; }
    void FixeGaucheCadre(int gauche) override { Fiche.Gauche = gauche; }
    void AppliqueBarre(Sens sens, const BarreDefilement& barre) override {
        (sens == Sens::Vertical ? Verticale : Horizontale) = barre;
        ++BarresAppliquees;
    }

    CanvasEnregistreur Ecran{1000, 1000, 96};
    std::unique_ptr<CanvasEnregistreur> Papier;
    bool ImpressionAcceptee = false;
    int DialoguesImpression = 0;
    int Impressions = 0;

    std::map<Controle, EtatControle> Controles;
    EtatControle Fiche;
    int BarreOutils = 26, BarreEtat = 19;
    int ClientHauteur = 1034, ClientLargeur = 705;
    BarreDefilement Verticale, Horizontale;
    int BarresAppliquees = 0;
    std::string TexteStatut;
    bool NoteLectureSeule = false;
    std::string IndicationNote;
};

// The rest of the main window: the editor's settings, the memo, the help and About
// windows, and the end of the program.
class PrincipaleFactice : public Principale {
  public:
    std::string TexteSaisie() override { return TexteSaisie_; }
    void FixeTexteSaisie(const std::string& texte) override { TexteSaisie_ = texte; }
    void FixeLongueurMaxSaisie(int longueur) override { LongueurMax = longueur; }
    void FixeIndicationSaisie(const std::string& indication) override {
        IndicationSaisie = indication;
    }
    void SelectionneSaisie() override {}
    void DonneFocusSaisie() override { FocusSaisie = true; }
    void FixeTexteNote(const std::string& texte) override { Note = texte; }
    void PressePapiers(bool surSaisie, OperationPressePapiers operation) override {
        OperationsPressePapiers.emplace_back(surSaisie, operation);
    }
    void ActiveSaisieEtNote(bool actifs) override { SaisieEtNoteActives = actifs; }
    void ActiveBarreOutils(bool active) override { BarreOutilsActive = active; }
    void AfficheAide(const std::string& page) override { PagesAide.push_back(page); }
    void FermeAides() override { ++FermeturesAide; }
    void AfficheAPropos() override { ++APropos; }
    void Termine() override { Termine_ = true; }

    std::string TexteSaisie_, IndicationSaisie, Note = "?";
    int LongueurMax = 0;
    bool FocusSaisie = false, SaisieEtNoteActives = true, BarreOutilsActive = false;
    std::vector<std::string> PagesAide;
    std::vector<std::pair<bool, OperationPressePapiers>> OperationsPressePapiers;
    int FermeturesAide = 0, APropos = 0;
    bool Termine_ = false;
};

} // namespace tarvo::test
