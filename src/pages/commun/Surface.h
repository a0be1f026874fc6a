#pragma once

#include "pages/commun/Canvas.h"

#include <string>

namespace tarvo {

// The controls of the page frame `Fiche` (and `Bouton_Annuler` on the form) that the page
// drawers show, hide, place and size. `Fenetre` is the page bitmap itself.
enum class Controle {
    Fenetre,
    Saisie,
    Note,
    FormeParabolique,
    FormeSpherique,
    DownRelache,
    DownNeutre,
    UpRelache,
    UpNeutre,
    Dessin,
    Dessin2,
    DessinF,
    Logo,
    BoutonAnnuler,
    // The settings of the simulated shadows: the knife's zone, the grating's lines per
    // inch, its offset (mm); boxes that take a number from the keyboard or their arrows.
    ReglageZone,
    ReglageLignes,
    ReglageDecalage,
};

// What a setting box shows: its value and bounds, its step, its decimals, the name a screen
// reader gives it and the unit after the value.
struct Reglage {
    double Valeur = 0;
    double Minimum = 0;
    double Maximum = 100;
    double Pas = 1;
    int Decimales = 0;
    std::string Nom;
    std::string Suffixe;
};

// Sheets printed at true size: the paper's exact width and height in millimetres, drawn
// from its very corner (no margin, no fitting to the printable area), at this resolution.
struct FormatImpression {
    double LargeurMm = 210;
    double HauteurMm = 297;
    int PointsParPouce = 1200;
};

// The page buttons of the toolbar; a page shows its own button down and the others up.
enum class BoutonPage {
    ToolCaracteristiques,
    ToolTravail,
    ToolAnciennes,
    ToolNouvelles,
    ToolEdition,
    ToolBulletin,
    ToolAnalyse,
    ToolHistorique,
    ToolOmbres,
};

// What a page drawer does to the main window besides drawing. Positions and sizes are
// pixels; control positions are frame coordinates, which equal page coordinates since
// `Fenetre` sits at the frame's origin. The program provides it; the tests record it.
class Surface {
  public:
    virtual ~Surface() = default;

    // The canvas of the page bitmap `Fenetre`. Its bitmap keeps a fixed capacity (at least
    // 1000 x 1000 pixels) whatever the size of `Fenetre`, which only says how much of it
    // is shown: a drawer draws before it sets the height.
    virtual Canvas& CanvasFenetre() = 0;
    // The canvas of a graph image (`Dessin`, `Dessin2`, `DessinF`) at its current size;
    // nullptr for the other controls.
    virtual Canvas* CanvasImage(Controle image) = 0;

    // Size and place of a control (`Fenetre` included). `FixeTailleControle` of a graph
    // image also resizes its bitmap.
    virtual int GaucheControle(Controle controle) = 0;
    virtual int HautControle(Controle controle) = 0;
    virtual int LargeurControle(Controle controle) = 0;
    virtual int HauteurControle(Controle controle) = 0;
    virtual void PlaceControle(Controle controle, int gauche, int haut) = 0;
    virtual void FixeHautControle(Controle controle, int haut) = 0;
    virtual void FixeLargeurControle(Controle controle, int largeur) = 0;
    virtual void FixeHauteurControle(Controle controle, int hauteur) = 0;
    virtual void AfficheControle(Controle controle, bool visible) = 0;
    virtual bool ControleVisible(Controle controle) = 0;
    // Font height of a control's text (negative: character height), as for the canvas.
    virtual void FixeHauteurPoliceControle(Controle controle, int hauteur) = 0;

    // The floating editor `Saisie` besides its place and size: its text, maximum length,
    // hint ("short|long") and the selection of its whole text.
    virtual std::string TexteSaisie() = 0;
    virtual void FixeTexteSaisie(const std::string& texte) = 0;
    virtual void FixeLongueurMaxSaisie(int longueur) = 0;
    virtual void FixeIndicationSaisie(const std::string& indication) = 0;
    virtual void SelectionneSaisie() = 0;

    // The comment memo `Note`: read-only (shown in the system's menu-bar colour) while an
    // older series is shown, editable (window colour) for the last one; its hint.
    virtual void FixeLectureSeuleNote(bool lectureSeule) = 0;
    virtual void FixeIndicationNote(const std::string& indication) = 0;

    // Checked state of the radio buttons `FormeParabolique` and `FormeSpherique`. Checking
    // a button that was unchecked runs its click behaviour at once (the shape choice,
    // which sets K and redraws the page, possibly inside the current drawing); unchecking
    // runs nothing. Both may be unchecked.
    virtual void CocheControle(Controle bouton, bool coche) = 0;
    virtual bool ControleCoche(Controle bouton) = 0;

    // The frame `Fiche` that holds the page.
    virtual int HautFiche() = 0;
    virtual void FixeHautFiche(int haut) = 0;
    virtual int LargeurFiche() = 0;
    virtual void FixeLargeurFiche(int largeur) = 0;
    virtual int HauteurFiche() = 0;
    virtual void FixeHauteurFiche(int hauteur) = 0;

    // Height of `ToolBar1`.
    virtual int HauteurBarreOutils() = 0;

    // Window state of a page: the toolbar page button shown down (the others up), the
    // help context of the main window, the simple text of the status bar and the hint of
    // `Imprimer1` ("short|long").
    virtual void EnfonceBoutonPage(BoutonPage bouton) = 0;
    virtual void FixeContexteAide(int contexte) = 0;
    virtual void FixeTexteStatut(const std::string& texte) = 0;
    virtual void FixeConseilImprimer(const std::string& conseil) = 0;

    // The program's own updates, called by the drawers: command states and hints, and the
    // scroll bars from the sizes of `Fiche`.
    virtual void MetAJourActions() = 0;
    virtual void MetAJourVue() = 0;
    // Whether the command `Mesures` is enabled: the series arrows browse only then.
    virtual bool MesuresActive() = 0;
    // Closes every help window the program opened.
    virtual void FermeAides() = 0;

    // Print job: shows the print dialog and begins a document on the chosen printer. The
    // canvas is the printable page (size and resolution of the printer), valid until
    // `TermineImpression`; nullptr when the user cancelled.
    virtual Canvas* DebuteImpression() = 0;
    // Ends the document begun by `DebuteImpression` (the page goes to the printer).
    virtual void TermineImpression() = 0;

    // A print job on sheets of this format (the dialog still asks for the printer): the
    // canvas spans the whole sheet, its origin the sheet's corner. Those that cannot choose
    // the paper begin an ordinary job.
    virtual Canvas* DebuteImpressionFormat(const FormatImpression&) { return DebuteImpression(); }
    // The next sheet of the job begun; false when there is none to give.
    virtual bool NouvelleFeuille() { return false; }
    // The value, bounds and names of a setting box (`ReglageZone` ...); placed, sized and
    // shown like the other controls. The user's changes reach the program, not the drawer.
    virtual void FixeReglage(Controle, const Reglage&) {}
};

} // namespace tarvo
