#pragma once

#include "app/SurfaceProgramme.h"
#include "app/Vue.h"
#include "web/CanvasWeb.h"

#include <array>
#include <functional>
#include <memory>
#include <string>

namespace tarvo {

class Programme;
class PapierSvg;

// The page area of the web page: the frame `Fiche` with the page canvas `Fenetre` and the
// other controls, as elements the script places where the program says, the two scroll bars
// and `Bouton_Annuler`. The program's sizes and places are those of the desktop's window,
// in the same client coordinates (the toolbar included): the page only scales the whole.
class ZoneWeb final : public SurfaceProgramme, public GeometrieVue {
  public:
    // Capacity of the page bitmap, as on the desktop.
    static constexpr int LargeurBitmap = 1000;
    static constexpr int HauteurBitmap = 2000;

    ZoneWeb();
    ~ZoneWeb() override;

    void RelieProgramme(Programme& programme);
    // Hands every canvas's drawing to the script (after each event).
    void Rafraichit();
    // The window's client area, its toolbar and status bar, as the page lays them out.
    void FixeGeometrie(int largeurClient, int hauteurClient, int barreOutils, int barreEtat);
    // The editor got or lost the keyboard focus by the user's doing.
    bool SaisieAuFocus() const { return saisieFocus_; }
    void FixeSaisieAuFocus(bool focus) { saisieFocus_ = focus; }
    void FixeNoteAuFocus(bool focus) { noteFocus_ = focus; }
    // What the desktop's focus and click events run when the program itself hides a
    // focused control or turns a shape button on: the exit of the editor, of the memo, the
    // shape chosen.
    std::function<void()> SaisieQuittee;
    std::function<void(const std::string&)> NoteQuittee;
    std::function<void(bool)> FormeAllumee;
    // The memo's text with CR LF line breaks.
    std::string TexteNote() const;

    // Surface
    Canvas& CanvasFenetre() override { return ecran_; }
    Canvas* CanvasImage(Controle image) override;
    int GaucheControle(Controle controle) override { return Etat(controle).Gauche; }
    int HautControle(Controle controle) override;
    int LargeurControle(Controle controle) override { return Etat(controle).Largeur; }
    int HauteurControle(Controle controle) override { return Etat(controle).Hauteur; }
    void PlaceControle(Controle controle, int gauche, int haut) override;
    void FixeHautControle(Controle controle, int haut) override;
    void FixeLargeurControle(Controle controle, int largeur) override;
    void FixeHauteurControle(Controle controle, int hauteur) override;
    void AfficheControle(Controle controle, bool visible) override;
    bool ControleVisible(Controle controle) override { return Etat(controle).Visible; }
    void FixeHauteurPoliceControle(Controle controle, int hauteur) override;
    void FixeLectureSeuleNote(bool lectureSeule) override;
    void FixeIndicationNote(const std::string& indication) override;
    void CocheControle(Controle bouton, bool coche) override;
    bool ControleCoche(Controle bouton) override { return Etat(bouton).Coche; }
    int HautFiche() override { return HautCadre(); }
    void FixeHautFiche(int haut) override { FixeHautCadre(haut); }
    int LargeurFiche() override { return fiche_.Largeur; }
    void FixeLargeurFiche(int largeur) override;
    int HauteurFiche() override { return fiche_.Hauteur; }
    void FixeHauteurFiche(int hauteur) override;
    int HauteurBarreOutils() override { return barreOutils_; }
    void FixeTexteStatut(const std::string& texte) override;
    Canvas* DebuteImpression() override;
    void TermineImpression() override;
    Canvas* DebuteImpressionFormat(const FormatImpression& format) override;
    bool NouvelleFeuille() override;
    void FixeReglage(Controle controle, const Reglage& reglage) override;

    // GeometrieVue
    int HauteurClient() override { return hauteurClient_; }
    int LargeurClient() override { return largeurClient_; }
    int HauteurBarreEtat() override { return barreEtat_; }
    int HautCadre() override { return fiche_.Haut + barreOutils_; }
    int GaucheCadre() override { return fiche_.Gauche; }
    int HauteurCadre() override { return fiche_.Hauteur; }
    int LargeurCadre() override { return fiche_.Largeur; }
    void FixeHautCadre(int haut) override;
    void FixeGaucheCadre(int gauche) override;
    void AppliqueBarre(Sens sens, const BarreDefilement& barre) override;

  private:
    struct EtatControle {
        int Gauche = 0, Haut = 0, Largeur = 0, Hauteur = 0;
        bool Visible = false;
        bool Coche = false;
    };
    static constexpr std::size_t NombreControles = 17;

    EtatControle& Etat(Controle c) { return controles_[static_cast<std::size_t>(c)]; }
    void Montre(Controle c);
    void MontreFiche();
    CanvasWeb* Graphe(Controle c);

    CanvasWeb ecran_{0, LargeurBitmap, HauteurBitmap};
    std::array<std::unique_ptr<CanvasWeb>, 3> graphes_;
    std::array<EtatControle, NombreControles> controles_{};
    EtatControle fiche_;
    int largeurClient_ = 705, hauteurClient_ = 1034, barreOutils_ = 26, barreEtat_ = 20;
    bool saisieFocus_ = false;
    bool noteFocus_ = false;
    std::unique_ptr<PapierSvg> papier_;
};

} // namespace tarvo
