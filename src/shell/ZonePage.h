#pragma once

#include "app/SurfaceProgramme.h"
#include "app/Vue.h"
#include "shell/CanvasQt.h"
#include "shell/PdfEnMemoire.h"

#include <QImage>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>

class QKeyEvent;
class QLabel;
class QLineEdit;
class QMainWindow;
class QPlainTextEdit;
class QPrinter;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace tarvo {

class Programme;
class Systeme;

// An image control of the page frame: it shows the top-left part of its bitmap.
class ImagePage final : public QWidget {
    Q_OBJECT
  public:
    ImagePage(QWidget* parent, const QImage* image, CanvasQt* canvas);
    void Relie(const QImage* image, CanvasQt* canvas);
    // Run at the release of a mouse button over the image, at its pixel.
    std::function<void(int, int)> SurClic;

  protected:
    void paintEvent(QPaintEvent* evenement) override;
    void mouseReleaseEvent(QMouseEvent* evenement) override;

  private:
    const QImage* Image;
    // Painting on the bitmap must end before it is shown.
    CanvasQt* Canvas_;
};

// The central area of the main window: the page frame `Fiche` with the page bitmap
// `Fenetre` and the other controls on it, the two scroll bars that move the whole frame,
// and `Bouton_Annuler`. It is the page surface of the drawers and the viewport geometry.
// Coordinates given to the program are the window's client coordinates, the toolbar
// included, as the viewport rules count them. Its own texts are in the language of the
// window's system.
class ZonePage final : public QWidget, public SurfaceProgramme, public GeometrieVue {
    Q_OBJECT
  public:
    // Capacity of the page bitmap: every page is drawn before its height is known.
    static constexpr int LargeurBitmap = 1000;
    static constexpr int HauteurBitmap = 2000;

    ZonePage(QMainWindow& fenetre, Systeme& systeme);
    ~ZonePage() override;

    void RelieProgramme(Programme& programme);
    // Repaints the page after a command.
    void RafraichitPage();
    // Runs a command of the program, then repaints the page.
    void Commande(const std::function<void(Programme&)>& commande);

    // Surface
    Canvas& CanvasFenetre() override { return *Ecran; }
    Canvas* CanvasImage(Controle image) override;
    int GaucheControle(Controle controle) override;
    int HautControle(Controle controle) override;
    int LargeurControle(Controle controle) override;
    int HauteurControle(Controle controle) override;
    void PlaceControle(Controle controle, int gauche, int haut) override;
    void FixeHautControle(Controle controle, int haut) override;
    void FixeLargeurControle(Controle controle, int largeur) override;
    void FixeHauteurControle(Controle controle, int hauteur) override;
    void AfficheControle(Controle controle, bool visible) override;
    bool ControleVisible(Controle controle) override;
    void FixeHauteurPoliceControle(Controle controle, int hauteur) override;
    void FixeLectureSeuleNote(bool lectureSeule) override;
    void FixeIndicationNote(const std::string& indication) override;
    void CocheControle(Controle bouton, bool coche) override;
    bool ControleCoche(Controle bouton) override;
    int HautFiche() override { return HautCadre(); }
    void FixeHautFiche(int haut) override { FixeHautCadre(haut); }
    int LargeurFiche() override { return LargeurCadre(); }
    void FixeLargeurFiche(int largeur) override;
    int HauteurFiche() override { return HauteurCadre(); }
    void FixeHauteurFiche(int hauteur) override;
    int HauteurBarreOutils() override;
    void FixeTexteStatut(const std::string& texte) override;
    Canvas* DebuteImpression() override;
    void TermineImpression() override;
    Canvas* DebuteImpressionFormat(const FormatImpression& format) override;
    bool NouvelleFeuille() override;
    void FixeReglage(Controle controle, const Reglage& reglage) override;

    // GeometrieVue
    int HauteurClient() override;
    int LargeurClient() override;
    int HauteurBarreEtat() override;
    int HautCadre() override;
    int GaucheCadre() override;
    int HauteurCadre() override;
    int LargeurCadre() override;
    void FixeHautCadre(int haut) override;
    void FixeGaucheCadre(int gauche) override;
    void AppliqueBarre(Sens sens, const BarreDefilement& barre) override;

    QWidget* Fiche;
    ImagePage* Fenetre;
    QLineEdit* Saisie;
    QPlainTextEdit* Note;
    QRadioButton* FormeParabolique;
    QRadioButton* FormeSpherique;
    QScrollBar* VerticalBar;
    QScrollBar* HorizontalBar;
    QPushButton* Bouton_Annuler;
    QLabel* TexteStatut;

  protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;
    void wheelEvent(QWheelEvent* evenement) override;

  private:
    struct Graphe {
        QImage Image;
        std::unique_ptr<CanvasQt> Canvas_;
        ImagePage* Controle_ = nullptr;
    };

    QWidget* Widget(Controle controle) const;
    // Controls on the form rather than on the frame.
    bool SurLaFiche(Controle controle) const { return controle != Controle::BoutonAnnuler; }
    void PlaceBarres();
    // The print dialog on the printer prepared, then the canvas over it; nothing when the
    // user cancels or the printer cannot begin.
    Canvas* DialogueImpression(const QString& titre);
    // The shadows' setting boxes, hidden until their page shows them.
    void CreeReglages();
    void RedimensionneGraphe(Controle controle, int largeur, int hauteur);
    void BarreActionnee(Sens sens, int action);
    // The memo's text as the program keeps it, with CR LF line breaks.
    std::string TexteNote() const;
    bool ToucheNote(QKeyEvent* touche);
    // A key in the editor; true when the program took it (the editor must not insert it).
    bool ToucheSaisie(QKeyEvent* touche);
    // A shape button turned on, by a click or by the page.
    void ChoisitForme(bool parabolique);

    // The part of a widget of the page that shows between the scroll bars, in its own
    // coordinates.
    QRegion PartieVisible(const QWidget* w) const;

    QMainWindow& Principale_;
    Systeme& Systeme_;
    Programme* Programme_ = nullptr;
    QImage Bitmap;
    QImage ImageLogo;
    std::unique_ptr<CanvasQt> Ecran;
    std::map<Controle, Graphe> Graphes;
    std::map<Controle, QWidget*> Controles;
    std::unique_ptr<QPrinter> Imprimante;
    // A print job sent to a PDF file: the document in memory and the file it goes to.
    std::unique_ptr<PdfEnMemoire> Pdf;
    std::string FichierPdf;
    std::unique_ptr<CanvasQt> Papier;
};

} // namespace tarvo
