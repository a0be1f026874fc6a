#pragma once

#include "pages/commun/Surface.h"
#include "support/CanvasEnregistreur.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace tarvo::test {

// The window as the page drawers see it, every setting recorded in plain fields. The page
// bitmap and the printer are recording canvases; the printer is an A4 page at 600 ppp.
class SurfaceFactice : public Surface {
  public:
    struct EtatControle {
        int Gauche = 0, Haut = 0, Largeur = 0, Hauteur = 0;
        bool Visible = false;
        bool Coche = false;
        int HauteurPolice = 0;
    };

    SurfaceFactice();

    Canvas& CanvasFenetre() override { return Ecran; }
    Canvas* CanvasImage(Controle image) override;
    int GaucheControle(Controle c) override { return Controles[c].Gauche; }
    int HautControle(Controle c) override { return Controles[c].Haut; }
    int LargeurControle(Controle c) override { return Controles[c].Largeur; }
    int HauteurControle(Controle c) override { return Controles[c].Hauteur; }
    void PlaceControle(Controle c, int gauche, int haut) override;
    void FixeHautControle(Controle c, int haut) override { Controles[c].Haut = haut; }
    void FixeLargeurControle(Controle c, int largeur) override;
    void FixeHauteurControle(Controle c, int hauteur) override;
    void AfficheControle(Controle c, bool visible) override { Controles[c].Visible = visible; }
    bool ControleVisible(Controle c) override { return Controles[c].Visible; }
    void FixeHauteurPoliceControle(Controle c, int hauteur) override;
    std::string TexteSaisie() override { return TexteSaisie_; }
    void FixeTexteSaisie(const std::string& texte) override { TexteSaisie_ = texte; }
    void FixeLongueurMaxSaisie(int longueur) override { LongueurMaxSaisie = longueur; }
    void FixeIndicationSaisie(const std::string& indication) override {
        IndicationSaisie = indication;
    }
    void SelectionneSaisie() override { ++SelectionsSaisie; }
    void FixeLectureSeuleNote(bool lectureSeule) override { NoteLectureSeule = lectureSeule; }
    void FixeIndicationNote(const std::string& indication) override { IndicationNote = indication; }
    void CocheControle(Controle bouton, bool coche) override;
    bool ControleCoche(Controle bouton) override { return Controles[bouton].Coche; }
    int HautFiche() override { return Fiche.Haut; }
    void FixeHautFiche(int haut) override { Fiche.Haut = haut; }
    int LargeurFiche() override { return Fiche.Largeur; }
    void FixeLargeurFiche(int largeur) override { Fiche.Largeur = largeur; }
    int HauteurFiche() override { return Fiche.Hauteur; }
    void FixeHauteurFiche(int hauteur) override { Fiche.Hauteur = hauteur; }
    int HauteurBarreOutils() override { return 26; }
    void EnfonceBoutonPage(BoutonPage bouton) override { BoutonEnfonce = bouton; }
    void FixeContexteAide(int contexte) override { ContexteAide = contexte; }
    void FixeTexteStatut(const std::string& texte) override { TexteStatut = texte; }
    void FixeConseilImprimer(const std::string& conseil) override { ConseilImprimer = conseil; }
    void MetAJourActions() override { Journal.push_back("MetAJourActions"); }
    void MetAJourVue() override { Journal.push_back("MetAJourVue"); }
    bool MesuresActive() override { return Mesures; }
    void FermeAides() override { Journal.push_back("FermeAides"); }
    Canvas* DebuteImpression() override;
    void TermineImpression() override { Journal.push_back("TermineImpression"); }
    // A sheet of the exact size asked, at its resolution; each new sheet a canvas of its own.
    Canvas* DebuteImpressionFormat(const FormatImpression& format) override;
    bool NouvelleFeuille() override;
    void FixeReglage(Controle c, const Reglage& r) override { Reglages[c] = r; }

    CanvasEnregistreur Ecran{1000, 1000, 96};
    // The graph images `Dessin`, `Dessin2` and `DessinF`, at the size of their control.
    std::map<Controle, CanvasEnregistreur> Images;
    // Made at each accepted print dialog.
    std::unique_ptr<CanvasEnregistreur> Papier;
    // The sheets of a job of a given format, in order, and that format.
    std::vector<std::unique_ptr<CanvasEnregistreur>> Feuilles;
    FormatImpression Format;
    std::map<Controle, Reglage> Reglages;
    // The answer to the next print dialogs.
    bool ImpressionAcceptee = true;
    // Run when a radio button that was unchecked gets checked (its click behaviour).
    std::function<void(Controle)> SurClic;

    std::map<Controle, EtatControle> Controles;
    EtatControle Fiche;
    BoutonPage BoutonEnfonce = BoutonPage::ToolBulletin;
    int ContexteAide = 0;
    std::string TexteStatut = "?";
    std::string ConseilImprimer;
    std::string TexteSaisie_, IndicationSaisie;
    int LongueurMaxSaisie = 0;
    int SelectionsSaisie = 0;
    bool NoteLectureSeule = false;
    std::string IndicationNote = "?";
    // The state of the command `Mesures` that the drawers read.
    bool Mesures = true;
    // Calls to the program's updates and to the print job, in order.
    std::vector<std::string> Journal;
};

} // namespace tarvo::test
