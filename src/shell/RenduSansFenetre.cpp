#include "shell/RenduSansFenetre.h"

#include "app/HistoriqueSeries.h"
#include "app/MoyenneEnCours.h"
#include "app/NouvelleSerie.h"
#include "document/Document.h"
#include "document/EchecsEcriture.h"
#include "pages/analyse/PageAnalyse.h"
#include "pages/bulletin/PageBulletin.h"
#include "pages/caracteristiques/PageCaracteristiques.h"
#include "pages/commun/ContextePage.h"
#include "pages/commun/IdentifiantsPages.h"
#include "pages/feuille/PageFeuille.h"
#include "pages/historique/PageHistorique.h"
#include "pages/masque/PageMasque.h"
#include "pages/mesures/PageMesures.h"
#include "pages/ombres/PageOmbres.h"
#include "platform/Systeme.h"
#include "platform/Traduction.h"
#include "posix/FichiersPosix.h"
#include "shell/CanvasQt.h"
#include "shell/Icones.h"
#include "shell/Logo.h"
#include "shell/PdfEnMemoire.h"

#include <QGuiApplication>
#include <QBuffer>
#include <QImage>
#include <QLocale>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>

#include <map>
#include <memory>
#include <optional>

namespace tarvo {
namespace {

// Capacity of the page bitmap, as the window's: every page is drawn before its height is
// known, and the report with its two graphs passes 1000 px.
constexpr int LargeurBitmap = 1000;
constexpr int HauteurBitmap = 2000;
// Resolution and unprintable margin of the PDF printer, those of a common laser printer.
constexpr int PointsParPoucePdf = 600;
constexpr double MargePdfMm = 5;

// The window as a headless drawing leaves it: sizes, places and states recorded, the
// page bitmap a QImage, the printer a PDF in memory; the buttons' captions in the language
// of `systeme`.
class SurfaceSansFenetre final : public Surface {
  public:
    struct EtatControle {
        int Gauche = 0, Haut = 0, Largeur = 0, Hauteur = 0;
        bool Visible = false;
        bool Coche = false;
        int HauteurPolice = -13;
    };

    explicit SurfaceSansFenetre(Systeme& systeme)
        : bitmap_(LargeurBitmap, HauteurBitmap, QImage::Format_RGB32), ecran_(bitmap_),
          systeme_(systeme) {
        bitmap_.fill(Qt::white);
        controles_[Controle::Fenetre] = {0, 0, LargeurBitmap, LargeurBitmap, true, false, 0};
        // The memo keeps its designed size.
        controles_[Controle::Note] = {0, 0, 475, 61, false, false, -11};
        controles_[Controle::Logo] = {0, 0, CoteLogo, CoteLogo, false, false, 0};
        controles_[Controle::FormeParabolique] = {0, 0, 100, 17, false, true, -13};
        controles_[Controle::FormeSpherique] = {0, 0, 100, 17, false, false, -13};
    }

    Canvas& CanvasFenetre() override { return ecran_; }
    Canvas* CanvasImage(Controle c) override {
        if (c != Controle::Dessin && c != Controle::Dessin2 && c != Controle::DessinF)
            return nullptr;
        Image& image = images_[c];
        const EtatControle& e = controles_[c];
        const QSize taille(std::max(e.Largeur, 1), std::max(e.Hauteur, 1));
        if (!image.Canvas_ || image.Bitmap.size() != taille) {
            image.Canvas_.reset();
            image.Bitmap = QImage(taille, QImage::Format_RGB32);
            image.Bitmap.fill(Qt::white);
            image.Canvas_ = std::make_unique<CanvasQt>(image.Bitmap);
        }
        return image.Canvas_.get();
    }
    int GaucheControle(Controle c) override { return controles_[c].Gauche; }
    int HautControle(Controle c) override { return controles_[c].Haut; }
    int LargeurControle(Controle c) override { return controles_[c].Largeur; }
    int HauteurControle(Controle c) override { return controles_[c].Hauteur; }
    void PlaceControle(Controle c, int gauche, int haut) override {
        controles_[c].Gauche = gauche;
        controles_[c].Haut = haut;
    }
    void FixeHautControle(Controle c, int haut) override { controles_[c].Haut = haut; }
    void FixeLargeurControle(Controle c, int l) override { controles_[c].Largeur = l; }
    void FixeHauteurControle(Controle c, int h) override { controles_[c].Hauteur = h; }
    void AfficheControle(Controle c, bool visible) override { controles_[c].Visible = visible; }
    bool ControleVisible(Controle c) override { return controles_[c].Visible; }
    void FixeHauteurPoliceControle(Controle c, int h) override { controles_[c].HauteurPolice = h; }
    // No click behaviour to run: nobody is there to change the shape.
    std::string TexteSaisie() override { return texteSaisie_; }
    void FixeTexteSaisie(const std::string& texte) override { texteSaisie_ = texte; }
    void FixeLongueurMaxSaisie(int) override {}
    void FixeIndicationSaisie(const std::string&) override {}
    void SelectionneSaisie() override {}
    void FermeAides() override {}
    void FixeLectureSeuleNote(bool lectureSeule) override { noteLectureSeule_ = lectureSeule; }
    void FixeIndicationNote(const std::string&) override {}
    void FixeTexteNote(const std::string& texte) { note_ = texte; }
    void CocheControle(Controle c, bool coche) override { controles_[c].Coche = coche; }
    bool ControleCoche(Controle c) override { return controles_[c].Coche; }
    int HautFiche() override { return hautFiche_; }
    void FixeHautFiche(int haut) override { hautFiche_ = haut; }
    int LargeurFiche() override { return largeurFiche_; }
    void FixeLargeurFiche(int l) override { largeurFiche_ = l; }
    int HauteurFiche() override { return hauteurFiche_; }
    void FixeHauteurFiche(int h) override { hauteurFiche_ = h; }
    int HauteurBarreOutils() override { return 26; }
    void EnfonceBoutonPage(BoutonPage) override {}
    void FixeContexteAide(int) override {}
    void FixeTexteStatut(const std::string&) override {}
    void FixeConseilImprimer(const std::string&) override {}
    void MetAJourActions() override {}
    void MetAJourVue() override {}
    // A document just opened is not modified: its series can be browsed.
    bool MesuresActive() override { return mesuresActive_; }
    void FixeMesuresActive(bool active) { mesuresActive_ = active; }

    Canvas* DebuteImpression() override {
        return CommencePdf(PointsParPoucePdf,
                           QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                       QMarginsF(MargePdfMm, MargePdfMm, MargePdfMm, MargePdfMm),
                                       QPageLayout::Millimeter));
    }
    void TermineImpression() override { papier_.reset(); }

    // Sheets at their exact size in points, drawn from their corner, at the asked resolution.
    Canvas* DebuteImpressionFormat(const FormatImpression& f) override {
        QPageLayout disposition(QPageSize(QSizeF(f.LargeurMm, f.HauteurMm), QPageSize::Millimeter,
                                          QString(), QPageSize::ExactMatch),
                                QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                                QPageLayout::Millimeter);
        disposition.setMode(QPageLayout::FullPageMode);
        return CommencePdf(f.PointsParPouce, disposition);
    }
    bool NouvelleFeuille() override { return papier_ && pdf_->Appareil().newPage(); }
    void FixeReglage(Controle c, const Reglage& r) override { reglages_[c] = r; }

    bool Imprime() const { return imprime_; }
    bool EchecImpression() const { return echecImpression_; }
    // The printed document, its print job ended.
    QByteArray OctetsPdf() {
        papier_.reset();
        return pdf_ ? pdf_->Octets() : QByteArray();
    }

    // The page frame as it shows unscrolled: the visible part of the bitmap, the pictures
    // and the buttons laid on it, clipped to the frame.
    QImage Cadre() {
        ecran_.Termine();
        QImage cadre(std::max(largeurFiche_, 1), std::max(hauteurFiche_, 1), QImage::Format_RGB32);
        cadre.fill(Qt::white);
        QPainter p(&cadre);
        const EtatControle& fenetre = controles_[Controle::Fenetre];
        p.drawImage(QPoint(fenetre.Gauche, fenetre.Haut), bitmap_,
                    QRect(0, 0, fenetre.Largeur, fenetre.Hauteur));
        const EtatControle& logo = controles_[Controle::Logo];
        if (logo.Visible) p.drawImage(QPoint(logo.Gauche, logo.Haut), DessineLogo());
        for (auto& [c, image] : images_) {
            const EtatControle& e = controles_[c];
            if (!e.Visible || !image.Canvas_) continue;
            image.Canvas_->Termine();
            p.drawImage(QPoint(e.Gauche, e.Haut), image.Bitmap);
        }
        DessineFleches(p);
        DessineNote(p, cadre);
        DessineSaisie(p, cadre);
        DessineAnnuler(p, cadre);
        for (const auto& [c, reglage] : reglages_)
            DessineReglage(p, cadre, c, reglage);
        DessineBouton(p, cadre, Controle::FormeParabolique,
                      QString::fromStdString(systeme_.Traduit("Fenetre", "Parabolique")));
        DessineBouton(p, cadre, Controle::FormeSpherique,
                      QString::fromStdString(systeme_.Traduit("Fenetre", "Sphérique")));
        return cadre;
    }

  private:
    struct Image {
        QImage Bitmap;
        std::unique_ptr<CanvasQt> Canvas_;
    };

    // The PDF in memory and its canvas; nothing when it cannot begin.
    Canvas* CommencePdf(int pointsParPouce, const QPageLayout& disposition) {
        papier_.reset();
        pdf_ = std::make_unique<PdfEnMemoire>(disposition, pointsParPouce);
        papier_ = std::make_unique<CanvasQt>(pdf_->Appareil());
        if (!papier_->Actif()) {
            echecImpression_ = true;
            papier_.reset();
            return nullptr;
        }
        imprime_ = true;
        return papier_.get();
    }

    void DessineFleches(QPainter& p) {
        const std::pair<Controle, QPixmap> fleches[] = {
            {Controle::DownRelache, DessineFleche(false, true)},
            {Controle::DownNeutre, DessineFleche(false, false)},
            {Controle::UpRelache, DessineFleche(true, true)},
            {Controle::UpNeutre, DessineFleche(true, false)},
        };
        for (const auto& [c, image] : fleches)
            if (controles_[c].Visible)
                p.drawPixmap(controles_[c].Gauche, controles_[c].Haut, image);
    }

    // The comment memo as the window shows it: its box, read-only in the menu-bar grey,
    // and its lines.
    void DessineNote(QPainter& p, const QImage& cadre) {
        const EtatControle& n = controles_[Controle::Note];
        if (!n.Visible) return;
        p.save();
        const QRect boite(n.Gauche, n.Haut, n.Largeur, n.Hauteur);
        p.setPen(QColor(122, 122, 122));
        p.setBrush(noteLectureSeule_ ? QColor(240, 240, 240) : QColor(Qt::white));
        p.drawRect(boite.adjusted(0, 0, -1, -1));
        Police police;
        police.Hauteur = n.HauteurPolice;
        p.setFont(PoliceQt(police, cadre));
        p.setPen(Qt::black);
        p.setClipRect(boite.adjusted(2, 2, -2, -2));
        QString texte = QString::fromStdString(note_);
        texte.replace("\r\n", "\n");
        p.drawText(boite.adjusted(4, 2, -4, -2), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                   texte);
        p.restore();
    }

    // The floating editor over its cell: a white box, its frame and its text.
    void DessineSaisie(QPainter& p, const QImage& cadre) {
        const EtatControle& e = controles_[Controle::Saisie];
        if (!e.Visible || e.Largeur <= 0 || e.Hauteur <= 0) return;
        p.save();
        const QRect boite(e.Gauche, e.Haut, e.Largeur, e.Hauteur);
        p.setPen(QColor(122, 122, 122));
        p.setBrush(Qt::white);
        p.drawRect(boite.adjusted(0, 0, -1, -1));
        Police police;
        police.Hauteur = e.HauteurPolice;
        p.setFont(PoliceQt(police, cadre));
        p.setPen(Qt::black);
        p.drawText(boite.adjusted(3, 0, -3, 0), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromStdString(texteSaisie_));
        p.restore();
    }

    // `Bouton_Annuler` lies on the form, over the page: its top counts the toolbar.
    void DessineAnnuler(QPainter& p, const QImage& cadre) {
        const EtatControle& b = controles_[Controle::BoutonAnnuler];
        if (!b.Visible) return;
        p.save();
        const QRect boite(b.Gauche, b.Haut - HauteurBarreOutils(), 75, 25);
        p.setPen(QColor(122, 122, 122));
        p.setBrush(QColor(240, 240, 240));
        p.drawRect(boite.adjusted(0, 0, -1, -1));
        Police police;
        police.Hauteur = -11;
        p.setFont(PoliceQt(police, cadre));
        p.setPen(Qt::black);
        p.drawText(boite, Qt::AlignCenter,
                   QString::fromStdString(systeme_.Traduit("Fenetre", "Annuler")));
        p.restore();
    }

    // A setting box as the window shows it: its frame, its value and unit, its arrows.
    void DessineReglage(QPainter& p, const QImage& cadre, Controle c, const Reglage& r) {
        const EtatControle& b = controles_[c];
        if (!b.Visible || b.Largeur <= 0 || b.Hauteur <= 0) return;
        p.save();
        const QRect boite(b.Gauche, b.Haut, b.Largeur, b.Hauteur);
        p.setPen(QColor(122, 122, 122));
        p.setBrush(Qt::white);
        p.drawRect(boite.adjusted(0, 0, -1, -1));
        constexpr int Fleches = 14;
        p.drawLine(boite.right() - Fleches, boite.top(), boite.right() - Fleches, boite.bottom());
        // The up arrow in the top half, the down arrow in the bottom one.
        p.setBrush(QColor(80, 80, 80));
        p.setPen(Qt::NoPen);
        for (const int sens : {-1, 1}) {
            const int cx = boite.right() - Fleches / 2;
            const int cy = boite.center().y() + sens * b.Hauteur / 4;
            const QPoint pointe[] = {
                {cx - 3, cy - 2 * sens}, {cx + 3, cy - 2 * sens}, {cx, cy + 2 * sens}};
            p.drawPolygon(pointe, 3);
        }
        Police police;
        police.Hauteur = -11;
        p.setFont(PoliceQt(police, cadre));
        p.setPen(Qt::black);
        p.drawText(boite.adjusted(3, 0, -Fleches - 2, 0), Qt::AlignRight | Qt::AlignVCenter,
                   QLocale().toString(r.Valeur, 'f', r.Decimales) +
                       QString::fromStdString(r.Suffixe));
        p.restore();
    }

    // A radio button as the window shows it: the round mark, then its bold caption.
    void DessineBouton(QPainter& p, const QImage& cadre, Controle c, const QString& libelle) {
        const EtatControle& b = controles_[c];
        if (!b.Visible) return;
        p.save();
        p.setRenderHint(QPainter::Antialiasing, true);
        constexpr int Marque = 13;
        const QRectF rond(b.Gauche + 0.5, b.Haut + (b.Hauteur - Marque) / 2 + 0.5, Marque - 1,
                          Marque - 1);
        p.setPen(QPen(QColor(118, 118, 118), 1));
        p.setBrush(Qt::white);
        p.drawEllipse(rond);
        if (b.Coche) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(20, 20, 20));
            p.drawEllipse(rond.center(), 3.0, 3.0);
        }
        Police police;
        police.Hauteur = b.HauteurPolice;
        police.Gras = true;
        p.setFont(PoliceQt(police, cadre));
        p.setPen(Qt::black);
        p.drawText(QRect(b.Gauche + Marque + 4, b.Haut, 200, b.Hauteur),
                   Qt::AlignLeft | Qt::AlignVCenter, libelle);
        p.restore();
    }

    QImage bitmap_;
    CanvasQt ecran_;
    Systeme& systeme_;
    std::map<Controle, EtatControle> controles_;
    std::map<Controle, Image> images_;
    std::map<Controle, Reglage> reglages_;
    std::string note_;
    std::string texteSaisie_;
    int hautFiche_ = 26, largeurFiche_ = LargeurBitmap, hauteurFiche_ = LargeurBitmap;
    std::unique_ptr<PdfEnMemoire> pdf_;
    std::unique_ptr<CanvasQt> papier_;
    bool noteLectureSeule_ = false;
    bool mesuresActive_ = false;
    bool imprime_ = false;
    bool echecImpression_ = false;
};

ResultatRendu Rend(Document& reel, Systeme& systeme, const std::string& page, FormatRendu format,
                   const std::string& sortie, MoyenneEnCours* moyenne,
                   const EtatPages::ReglagesOmbres& ombres) {
    SurfaceSansFenetre surface(systeme);
    MiseEnPage miseEnPage;
    CadresPage cadres;
    bool modeImpression = format == FormatRendu::Pdf;
    EtatPages etat;
    etat.Ombres = ombres;
    EtatSaisie saisie;
    FichiersPosix fichiers;
    HistoriqueSeries historique(fichiers);
    etat.Historique = &historique;
    if (moyenne) etat.Moyenne = &moyenne->Affichage;
    Document& doc = moyenne && PageDeSerie(page) ? moyenne->Calcul.Serie : reel;
    ContextePage contexte{doc, surface, systeme, miseEnPage, cadres, modeImpression, etat, saisie};
    // A document just opened is not modified: its older series can be browsed.
    surface.FixeMesuresActive(CaracteristiquesValides(doc) && doc.NombreSeries > 0);
    // The entry modes show the editor on the first cell, as their commands place it; the
    // new-series page shows the series its command starts.
    saisie.LigneCourante = saisie.ColonneCourante = saisie.DiametreCourant = 1;
    if (page == PageNouvellesMesures) CommenceNouvelleSerie(doc, systeme.Aujourdhui(), nullptr);
    if (page == PageCaracteristiques) AfficheCaracteristiques(contexte);
    if (page == PageFeuille) AfficheFeuille(contexte);
    if (page == PageMesures) AfficheMesures(contexte, ModeMesures::Consultation);
    if (page == PageNouvellesMesures) AfficheMesures(contexte, ModeMesures::Nouvelles);
    if (page == PageEditionMesures) AfficheMesures(contexte, ModeMesures::Edition);
    if (page == PageBulletin) AfficheBulletin(contexte);
    if (page == PageAnalyse) AfficheAnalyse(contexte);
    if (page == PageHistorique) AfficheHistorique(contexte);
    if (page == PageOmbres) AfficheOmbres(contexte);
    if (page == PageMasque) {
        if (const auto refus = ImprimeMasqueDuDocument(contexte)) return {false, *refus};
    }
    surface.FixeTexteNote(doc.Note);

    // The file is written whole from memory, or not at all.
    QByteArray octets;
    if (format == FormatRendu::Pdf) {
        if (!surface.Imprime() || surface.EchecImpression())
            return {false, Remplace(systeme.Traduit("Fenetre",
                                                    "Impossible d'écrire le fichier PDF « %1 »."),
                                    {sortie})};
        octets = surface.OctetsPdf();
    } else {
        QBuffer tampon(&octets);
        tampon.open(QIODevice::WriteOnly);
        if (!surface.Cadre().save(&tampon, "PNG"))
            return {false, Remplace(systeme.Traduit("Fenetre",
                                                    "Impossible d'écrire le fichier PNG « %1 »."),
                                    {sortie})};
    }
    const ResultatEcriture ecrit = fichiers.EcritSortie(
        sortie, std::string_view(octets.constData(), static_cast<std::size_t>(octets.size())));
    if (ecrit.Reussie()) return {true, {}};
    const std::string modele =
        format == FormatRendu::Pdf
            ? systeme.Traduit("Fenetre", "Impossible d'écrire le fichier PDF « %1 » : %2.")
            : systeme.Traduit("Fenetre", "Impossible d'écrire le fichier PNG « %1 » : %2.");
    return {false, Remplace(modele, {sortie, RaisonEchec(ecrit, systeme)})};
}

} // namespace

ResultatRendu RendPageSansFenetre(Document& doc, Systeme& systeme, std::string_view page,
                                  FormatRendu format, const std::string& sortie,
                                  MoyenneEnCours* moyenne,
                                  const EtatPages::ReglagesOmbres& ombres) {
    const std::optional<std::string> identifiant = IdentifiantPage(page);
    if (!identifiant)
        return {false, Remplace(systeme.Traduit(
                                    "Fenetre",
                                    "Page inconnue : « %1 » (caracteristiques, feuille, mesures, "
                                    "nouvellesmesures, editionmesures, bulletin, analyse, "
                                    "historique, ombres ou masque)."),
                                {page})};
    if (*identifiant == PageMasque && format != FormatRendu::Pdf)
        return {false, systeme.Traduit("Fenetre", "Le masque de Couder ne se dessine qu'en PDF "
                                                  "(--pdf), à taille réelle.")};
    if (moyenne && !PageDeSerie(*identifiant) && *identifiant != PageHistorique)
        return {false, systeme.Traduit("Fenetre", "Une moyenne de séries ne se montre que sur les "
                                                  "pages bulletin, analyse et historique.")};

    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr)
        return Rend(doc, systeme, *identifiant, format, sortie, moyenne, ombres);
    if (QCoreApplication::instance() != nullptr)
        return {false, systeme.Traduit("Fenetre",
                                       "Le rendu des pages demande une application graphique.")};
    // Fonts need a graphical application; the offscreen platform needs no display.
    int argc = 3;
    char nom[] = "tarvo";
    char option[] = "-platform";
    char plateforme[] = "offscreen";
    char* argv[] = {nom, option, plateforme, nullptr};
    QGuiApplication application(argc, argv);
    return Rend(doc, systeme, *identifiant, format, sortie, moyenne, ombres);
}

} // namespace tarvo
