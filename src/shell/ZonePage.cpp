#include "shell/ZonePage.h"

#include "app/Commandes.h"
#include "app/Programme.h"
#include "document/EchecsEcriture.h"
#include "platform/Systeme.h"
#include "platform/Traduction.h"
#include "shell/Icones.h"
#include "shell/Logo.h"

#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStatusBar>

#include <algorithm>
#include <cmath>

namespace tarvo {

ImagePage::ImagePage(QWidget* parent, const QImage* image, CanvasQt* canvas)
    : QWidget(parent), Image(image), Canvas_(canvas) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ImagePage::Relie(const QImage* image, CanvasQt* canvas) {
    // The same picture: the page's refresh repaints what shows of it.
    if (image == Image && canvas == Canvas_) return;
    Image = image;
    Canvas_ = canvas;
    update();
}

void ImagePage::mouseReleaseEvent(QMouseEvent* evenement) {
    if (SurClic) SurClic(evenement->pos().x(), evenement->pos().y());
}

void ImagePage::paintEvent(QPaintEvent*) {
    if (Canvas_) Canvas_->Termine();
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    if (Image) p.drawImage(QPoint(0, 0), *Image, rect().intersected(Image->rect()));
}

namespace {

QString Texte(const std::string& texte) {
    return QString::fromStdString(texte);
}

QFont PoliceControle(int pixels, bool gras) {
    QFont police("Arial");
    police.setPixelSize(pixels);
    police.setBold(gras);
    return police;
}

// A series arrow: an image that runs its command at each release of the button, so that a
// double click, which releases it twice, moves two series.
class FlecheSerie final : public QLabel {
  public:
    using QLabel::QLabel;
    std::function<void()> SurClic;

  protected:
    void mouseReleaseEvent(QMouseEvent*) override {
        if (SurClic) SurClic();
    }
};

FlecheSerie* Fleche(QWidget* parent, bool suivante, bool active, const QString& conseil) {
    auto* fleche = new FlecheSerie(parent);
    fleche->setPixmap(DessineFleche(suivante, active));
    fleche->resize(16, 16);
    fleche->setToolTip(conseil);
    fleche->hide();
    return fleche;
}

} // namespace

ZonePage::ZonePage(QMainWindow& fenetre, Systeme& systeme)
    : QWidget(&fenetre), Principale_(fenetre), Systeme_(systeme),
      Bitmap(LargeurBitmap, HauteurBitmap, QImage::Format_RGB32) {
    Bitmap.fill(Qt::white);
    Ecran = std::make_unique<CanvasQt>(Bitmap);

    Fiche = new QWidget(this);
    QFont tahoma("Tahoma");
    tahoma.setPixelSize(11);
    Fiche->setFont(tahoma);
    Fiche->setAutoFillBackground(true);
    QPalette blanc = Fiche->palette();
    blanc.setColor(QPalette::Window, Qt::white);
    Fiche->setPalette(blanc);

    Fenetre = new ImagePage(Fiche, &Bitmap, Ecran.get());
    Fenetre->setGeometry(0, 0, LargeurBitmap, LargeurBitmap);
    Controles[Controle::Fenetre] = Fenetre;

    for (Controle c : {Controle::Dessin, Controle::Dessin2, Controle::DessinF}) {
        Graphe& g = Graphes[c];
        g.Controle_ = new ImagePage(Fiche, nullptr, nullptr);
        g.Controle_->hide();
        Controles[c] = g.Controle_;
        RedimensionneGraphe(c, 500, 300);
    }

    ImageLogo = DessineLogo();
    auto* imageLogo = new ImagePage(Fiche, &ImageLogo, nullptr);
    imageLogo->resize(ImageLogo.size());
    imageLogo->hide();
    Controles[Controle::Logo] = imageLogo;

    FlecheSerie* precedente =
        Fleche(Fiche, false, true, Texte(Systeme_.Traduit("Fenetre", "Série précédente (F4)")));
    FlecheSerie* suivante =
        Fleche(Fiche, true, true, Texte(Systeme_.Traduit("Fenetre", "Série suivante (F5)")));
    precedente->setAccessibleName(Texte(Systeme_.Traduit("Fenetre", "Série précédente")));
    suivante->setAccessibleName(Texte(Systeme_.Traduit("Fenetre", "Série suivante")));
    precedente->SurClic = [this] { Commande([](Programme& p) { SeriePrecedente(p); }); };
    suivante->SurClic = [this] { Commande([](Programme& p) { SerieSuivante(p); }); };
    Controles[Controle::DownRelache] = precedente;
    Controles[Controle::DownNeutre] = Fleche(Fiche, false, false, QString());
    Controles[Controle::UpRelache] = suivante;
    Controles[Controle::UpNeutre] = Fleche(Fiche, true, false, QString());
    Fenetre->SurClic = [this](int x, int y) {
        Commande([x, y](Programme& p) { FicheFenetreMouseUp(p, x, y); });
    };

    Saisie = new QLineEdit(Fiche);
    Saisie->setFont(PoliceControle(13, false));
    Saisie->resize(121, 24);
    Saisie->setAccessibleName(Texte(Systeme_.Traduit("Fenetre", "Valeur")));
    Saisie->hide();
    Saisie->installEventFilter(this);
    Controles[Controle::Saisie] = Saisie;

    Note = new QPlainTextEdit(Fiche);
    Note->resize(475, 61);
    const QString commentaire = Texte(Systeme_.Traduit("Fenetre", "Commentaire libre"));
    Note->setToolTip(commentaire);
    Note->setStatusTip(commentaire);
    Note->hide();
    Note->setAccessibleName(commentaire);
    Note->installEventFilter(this);
    // Only the user's edits: the program sets the memo's text with its signals blocked.
    connect(Note, &QPlainTextEdit::textChanged, this, [this] {
        if (!Programme_) return;
        FicheNoteChange(*Programme_, TexteNote());
        RafraichitPage();
    });
    Controles[Controle::Note] = Note;

    FormeParabolique = new QRadioButton(Texte(Systeme_.Traduit("Fenetre", "Parabolique")), Fiche);
    FormeSpherique = new QRadioButton(Texte(Systeme_.Traduit("Fenetre", "Sphérique")), Fiche);
    for (QRadioButton* bouton : {FormeParabolique, FormeSpherique}) {
        bouton->setFont(PoliceControle(13, true));
        bouton->setAutoExclusive(false);
        // A click takes the focus, so that the editor loses it (and validates) first.
        bouton->setFocusPolicy(Qt::ClickFocus);
        bouton->resize(100, 17);
        bouton->hide();
        // A click on a button already on leaves it on, as a radio button does.
        connect(bouton, &QRadioButton::clicked, this, [this, bouton] {
            const QSignalBlocker bloque(bouton);
            bouton->setChecked(true);
            ChoisitForme(bouton == FormeParabolique);
        });
    }
    FormeParabolique->setChecked(true);
    Controles[Controle::FormeParabolique] = FormeParabolique;
    Controles[Controle::FormeSpherique] = FormeSpherique;
    CreeReglages();

    VerticalBar = new QScrollBar(Qt::Vertical, this);
    HorizontalBar = new QScrollBar(Qt::Horizontal, this);
    for (QScrollBar* barre : {VerticalBar, HorizontalBar}) {
        barre->setRange(0, 100);
        barre->setSingleStep(1);
        barre->setFocusPolicy(Qt::NoFocus);
    }
    connect(VerticalBar, &QScrollBar::actionTriggered, this,
            [this](int action) { BarreActionnee(Sens::Vertical, action); });
    connect(HorizontalBar, &QScrollBar::actionTriggered, this,
            [this](int action) { BarreActionnee(Sens::Horizontal, action); });
    connect(VerticalBar, &QScrollBar::valueChanged, this, [this](int position) {
        if (Programme_) Programme_->vue.DeplaceBarre(Sens::Vertical, position);
    });
    connect(HorizontalBar, &QScrollBar::valueChanged, this, [this](int position) {
        if (Programme_) Programme_->vue.DeplaceBarre(Sens::Horizontal, position);
    });

    Bouton_Annuler = new QPushButton(Texte(Systeme_.Traduit("Fenetre", "Annuler")), this);
    Bouton_Annuler->setGeometry(467, 64, 75, 25);
    Bouton_Annuler->setToolTip(Texte(Systeme_.Traduit(
        "Fenetre", "Annule la nouvelle série et retourne à la dernière série validée.")));
    Bouton_Annuler->hide();
    Bouton_Annuler->setFocusPolicy(Qt::NoFocus);
    connect(Bouton_Annuler, &QPushButton::clicked, this,
            [this] { Commande([](Programme& p) { ExecuteAction(p, Action::Annuler); }); });
    Controles[Controle::BoutonAnnuler] = Bouton_Annuler;

    TexteStatut = new QLabel(&fenetre);
    fenetre.statusBar()->addWidget(TexteStatut, 1);
    PlaceBarres();
}

ZonePage::~ZonePage() {
    Papier.reset();
    Ecran.reset();
}

void ZonePage::RelieProgramme(Programme& programme) {
    Relie(programme);
    Programme_ = &programme;
}

void ZonePage::Commande(const std::function<void(Programme&)>& commande) {
    if (!Programme_) return;
    commande(*Programme_);
    RafraichitPage();
}

std::string ZonePage::TexteNote() const {
    QString texte = Note->toPlainText();
    texte.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return texte.toStdString();
}

namespace {

// The page as a screen reader names it: its title.
std::string TitrePage(Systeme& s, const std::string& page) {
    if (page == PageCaracteristiques) return s.Traduit("Fenetre", "Caractéristiques du miroir");
    if (page == PageFeuille) return s.Traduit("Fenetre", "Feuille de travail du miroir");
    if (page == PageMesures) return s.Traduit("Fenetre", "Mesures");
    if (page == PageNouvellesMesures) return s.Traduit("Fenetre", "Nouvelles mesures");
    if (page == PageEditionMesures) return s.Traduit("Fenetre", "Modification des mesures");
    if (page == PageBulletin) return s.Traduit("Fenetre", "Bulletin de contrôle du miroir");
    if (page == PageAnalyse) return s.Traduit("Fenetre", "Analyse du miroir");
    if (page == PageHistorique) return s.Traduit("Fenetre", "Historique du miroir");
    if (page == PageOmbres) return s.Traduit("Fenetre", "Ombres simulées du miroir");
    return {};
}

} // namespace

QRegion ZonePage::PartieVisible(const QWidget* w) const {
    QRegion vue(rect());
    for (const QScrollBar* b : {VerticalBar, HorizontalBar})
        if (b->isVisibleTo(this)) vue -= b->geometry();
    return vue.translated(-w->mapTo(this, QPoint(0, 0))) & w->rect();
}

void ZonePage::RafraichitPage() {
    // Only what shows between the scroll bars: the bars over the page keep their pixels.
    Fenetre->update(PartieVisible(Fenetre));
    for (auto& [c, g] : Graphes)
        g.Controle_->update(PartieVisible(g.Controle_));
    if (!Programme_) return;
    Fenetre->setAccessibleName(Texte(TitrePage(Systeme_, Programme_->Etat.PageCourante)));
    Principale_.setWindowModified(Programme_->Doc.Modifie || Programme_->Doc.ModifieBulletin);
}

QWidget* ZonePage::Widget(Controle controle) const {
    return Controles.at(controle);
}

Canvas* ZonePage::CanvasImage(Controle image) {
    const auto g = Graphes.find(image);
    return g == Graphes.end() ? nullptr : g->second.Canvas_.get();
}

void ZonePage::RedimensionneGraphe(Controle controle, int largeur, int hauteur) {
    Graphe& g = Graphes[controle];
    largeur = std::max(largeur, 1);
    hauteur = std::max(hauteur, 1);
    if (g.Image.width() != largeur || g.Image.height() != hauteur) {
        g.Canvas_.reset();
        g.Image = QImage(largeur, hauteur, QImage::Format_RGB32);
        g.Image.fill(Qt::white);
        g.Canvas_ = std::make_unique<CanvasQt>(g.Image);
    }
    g.Controle_->resize(largeur, hauteur);
    g.Controle_->Relie(&g.Image, g.Canvas_.get());
}

int ZonePage::GaucheControle(Controle controle) {
    return Widget(controle)->x();
}

int ZonePage::HautControle(Controle controle) {
    const int y = Widget(controle)->y();
    return SurLaFiche(controle) ? y : y + HauteurBarreOutils();
}

int ZonePage::LargeurControle(Controle controle) {
    return Widget(controle)->width();
}

int ZonePage::HauteurControle(Controle controle) {
    return Widget(controle)->height();
}

void ZonePage::PlaceControle(Controle controle, int gauche, int haut) {
    Widget(controle)->move(gauche, SurLaFiche(controle) ? haut : haut - HauteurBarreOutils());
}

void ZonePage::FixeHautControle(Controle controle, int haut) {
    PlaceControle(controle, GaucheControle(controle), haut);
}

void ZonePage::FixeLargeurControle(Controle controle, int largeur) {
    if (Graphes.count(controle) != 0) {
        RedimensionneGraphe(controle, largeur, HauteurControle(controle));
        return;
    }
    QWidget* w = Widget(controle);
    w->resize(std::max(largeur, 0), w->height());
    if (controle == Controle::Fenetre) Fenetre->update(PartieVisible(Fenetre));
}

void ZonePage::FixeHauteurControle(Controle controle, int hauteur) {
    if (Graphes.count(controle) != 0) {
        RedimensionneGraphe(controle, LargeurControle(controle), hauteur);
        return;
    }
    QWidget* w = Widget(controle);
    w->resize(w->width(), std::max(hauteur, 0));
    if (controle == Controle::Fenetre) Fenetre->update(PartieVisible(Fenetre));
}

void ZonePage::AfficheControle(Controle controle, bool visible) {
    QWidget* w = Widget(controle);
    w->setVisible(visible);
    // Qt leaves the focus on a hidden control when no other can take it: the keys typed
    // would then change a value or a comment that the page does not show. The window takes
    // the focus instead, and the control's exit handler runs as for any focus lost.
    if (!visible && Principale_.focusWidget() == w) Principale_.setFocus();
}

bool ZonePage::ControleVisible(Controle controle) {
    return Widget(controle)->isVisibleTo(this);
}

void ZonePage::FixeHauteurPoliceControle(Controle controle, int hauteur) {
    QWidget* w = Widget(controle);
    QFont police = w->font();
    // Negative: a character height; positive: a cell height, about 1.12 em in Arial.
    police.setPixelSize(hauteur < 0 ? -hauteur
                                    : std::max(1, static_cast<int>(std::lround(hauteur * 0.895))));
    w->setFont(police);
}

void ZonePage::FixeLectureSeuleNote(bool lectureSeule) {
    Note->setReadOnly(lectureSeule);
    QPalette couleurs = Note->palette();
    couleurs.setColor(QPalette::Base, lectureSeule ? palette().color(QPalette::Button)
                                                   : palette().color(QPalette::Base));
    Note->setPalette(couleurs);
}

void ZonePage::FixeIndicationNote(const std::string& indication) {
    const QString texte = QString::fromStdString(indication);
    Note->setToolTip(texte);
    Note->setStatusTip(texte);
}

// Turning a button on runs its click behaviour at once, and only once: no signal of the
// button does it again.
void ZonePage::CocheControle(Controle bouton, bool coche) {
    auto* radio = qobject_cast<QRadioButton*>(Widget(bouton));
    if (radio == nullptr) return;
    const bool allume = coche && !radio->isChecked();
    {
        const QSignalBlocker bloque(radio);
        radio->setChecked(coche);
    }
    if (allume) ChoisitForme(radio == FormeParabolique);
}

void ZonePage::ChoisitForme(bool parabolique) {
    QRadioButton* bouton = parabolique ? FormeParabolique : FormeSpherique;
    Commande([parabolique, bouton](Programme& p) {
        FicheFormeClick(p, parabolique, bouton->isEnabled());
    });
}

bool ZonePage::ControleCoche(Controle bouton) {
    const auto* radio = qobject_cast<QRadioButton*>(Widget(bouton));
    return radio != nullptr && radio->isChecked();
}

void ZonePage::FixeLargeurFiche(int largeur) {
    Fiche->resize(std::max(largeur, 0), Fiche->height());
}

void ZonePage::FixeHauteurFiche(int hauteur) {
    Fiche->resize(Fiche->width(), std::max(hauteur, 0));
}

int ZonePage::HauteurBarreOutils() {
    const int menu = Principale_.menuBar() ? Principale_.menuBar()->height() : 0;
    return std::max(0, y() - menu);
}

void ZonePage::FixeTexteStatut(const std::string& texte) {
    Principale_.statusBar()->clearMessage();
    TexteStatut->setText(QString::fromStdString(texte));
}

Canvas* ZonePage::DebuteImpression() {
    Imprimante = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return DialogueImpression(Texte(Systeme_.Traduit("Fenetre", "Imprimer")));
}

Canvas* ZonePage::DialogueImpression(const QString& titre) {
    QPrintDialog dialogue(Imprimante.get(), &Principale_);
    dialogue.setWindowTitle(titre);
    if (dialogue.exec() != QDialog::Accepted) {
        Imprimante.reset();
        return nullptr;
    }
    // Printed to a PDF file: drawn into memory, then written whole by the program.
    if (Imprimante->outputFormat() == QPrinter::PdfFormat &&
        !Imprimante->outputFileName().isEmpty()) {
        FichierPdf = Imprimante->outputFileName().toStdString();
        Pdf = std::make_unique<PdfEnMemoire>(*Imprimante);
        Papier = std::make_unique<CanvasQt>(Pdf->Appareil());
    } else {
        Papier = std::make_unique<CanvasQt>(*Imprimante);
    }
    if (!Papier->Actif()) {
        TermineImpression();
        return nullptr;
    }
    return Papier.get();
}

void ZonePage::TermineImpression() {
    if (Papier) Papier->Termine();
    Papier.reset();
    if (Pdf && Programme_ != nullptr) {
        Services& services = Programme_->services;
        const QByteArray& octets = Pdf->Octets();
        const ResultatEcriture ecrit = services.fichiers.EcritSortie(
            FichierPdf,
            std::string_view(octets.constData(), static_cast<std::size_t>(octets.size())));
        if (!ecrit.Reussie())
            services.dialogues.Avertissement(
                Systeme_.Traduit("Fenetre", "Tarvo - Impression"),
                Remplace(Systeme_.Traduit("Fenetre",
                                          "Impossible d'écrire le fichier PDF « %1 » : %2."),
                         {FichierPdf, RaisonEchec(ecrit, Systeme_)}));
    }
    Pdf.reset();
    FichierPdf.clear();
    Imprimante.reset();
}

bool ZonePage::NouvelleFeuille() {
    if (!Papier) return false;
    return Pdf ? Pdf->Appareil().newPage() : Imprimante && Imprimante->newPage();
}

} // namespace tarvo
