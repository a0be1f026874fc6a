#include "ApplicationTest.h"
#include "app/Programme.h"
#include "shell/CalculsQt.h"
#include "shell/FenetrePrincipale.h"
#include "shell/ZonePage.h"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QListWidget>
#include <QTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QToolButton>

#include <gtest/gtest.h>

namespace tarvo::test {
namespace {

const std::string Exemple = std::string(TARVO_SOURCE_DIR) + "/examples/miroir-200-f6.bdc";

// The real window on the report of the example: three series, both diameters measured.
struct BulletinQt : ::testing::Test {
    BulletinQt() {
        ApplicationTest();
        fenetre = std::make_unique<FenetrePrincipale>();
        fenetre->Demarre({Exemple});
        fenetre->show();
        fenetre->activateWindow();
        QApplication::processEvents();
        fenetre->ActionQt(Action::BulletinDeControle)->trigger();
    }
    // A click of the left button at a point of a widget, or a double click as the system
    // sends it: press, release, double click, release.
    static void Clique(QWidget* w, QPoint point, bool double_ = false) {
        const QPointF local(point), global(w->mapToGlobal(point));
        std::vector<QEvent::Type> types{QEvent::MouseButtonPress, QEvent::MouseButtonRelease};
        if (double_)
            types.insert(types.end(), {QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease});
        for (const QEvent::Type type : types) {
            const bool relache = type == QEvent::MouseButtonRelease;
            QMouseEvent e(type, local, global, Qt::LeftButton,
                          relache ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(w, &e);
        }
    }
    void Clique(const Cadre& c) {
        Clique(zone().Fenetre, QPoint((c.Gauche + c.Droite) / 2, (c.Haut + c.Bas) / 2));
    }
    // A character typed in the memo, as the keyboard sends it (QTest knows only ASCII keys).
    void Tape(const QString& texte) {
        QKeyEvent appui(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, texte);
        QApplication::sendEvent(zone().Note, &appui);
        QKeyEvent relache(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, texte);
        QApplication::sendEvent(zone().Note, &relache);
    }
    QLabel* Fleche(const QString& conseil) {
        for (QLabel* l : zone().Fiche->findChildren<QLabel*>())
            if (l->toolTip() == conseil) return l;
        return nullptr;
    }
    Programme& p() { return fenetre->Prog(); }
    ZonePage& zone() { return fenetre->Zone(); }
    std::unique_ptr<FenetrePrincipale> fenetre;
};

TEST_F(BulletinQt, LesInterrupteursRepondentAuClic) {
    ASSERT_EQ(p().Etat.PageCourante, "Bulletin");
    ASSERT_EQ(p().Doc.DiametresValides, 3);
    // What a screen reader finds: the page by its title, every toolbar button by its caption.
    EXPECT_EQ(zone().Fenetre->accessibleName(), "Bulletin de contrôle du miroir");
    EXPECT_EQ(fenetre->BoutonQt(Bouton::ToolBulletin)->accessibleName(), "Bulletin de contrôle");
    for (std::size_t b = 0; b < NombreBoutons; ++b)
        EXPECT_FALSE(fenetre->BoutonQt(static_cast<Bouton>(b))->accessibleName().isEmpty()) << b;
    EXPECT_FALSE(fenetre->isWindowModified());
    EXPECT_TRUE(zone().ControleVisible(Controle::Dessin));
    EXPECT_TRUE(zone().ControleVisible(Controle::Dessin2));
    EXPECT_TRUE(fenetre->BoutonQt(Bouton::ToolBulletin)->isChecked());
    fenetre->grab().save("bulletin.png");
    const int hautGraphe = zone().HautControle(Controle::Dessin);

    // The zone table folds to its row of zone numbers, and the graphs come up.
    Clique(p().Cadres.Cadres[4]);
    EXPECT_FALSE(p().Doc.DetailZones);
    EXPECT_LT(zone().HautControle(Controle::Dessin), hautGraphe);
    Clique(p().Cadres.Cadres[4]);
    EXPECT_TRUE(p().Doc.DetailZones);
    EXPECT_EQ(zone().HautControle(Controle::Dessin), hautGraphe);

    // Diameter 1 left out, then both again; then diameter 2 left out.
    Clique(p().Cadres.Cadres[5]);
    EXPECT_FALSE(p().Doc.RetenirD1);
    EXPECT_EQ(p().Pages.DiametresRetenus, 2);
    Clique(p().Cadres.Cadres[5]);
    EXPECT_EQ(p().Pages.DiametresRetenus, 3);
    Clique(p().Cadres.Cadres[6]);
    EXPECT_FALSE(p().Doc.RetenirD2);
    EXPECT_EQ(p().Pages.DiametresRetenus, 1);

    // The mirror data fold; the radius line is gone, and so is its box.
    Clique(p().Cadres.Cadres[1]);
    EXPECT_FALSE(p().Doc.DetailMiroir);
    EXPECT_EQ(p().Cadres.Cadres[3], Cadre{});
    EXPECT_LT(zone().HautControle(Controle::Dessin), hautGraphe);
}

TEST_F(BulletinQt, FlechesEtF4F5ChangentDeSerie) {
    ASSERT_EQ(p().Doc.SerieCourante, 3);
    QLabel* precedente = Fleche("Série précédente (F4)");
    QLabel* suivante = Fleche("Série suivante (F5)");
    ASSERT_NE(precedente, nullptr);
    ASSERT_NE(suivante, nullptr);
    EXPECT_TRUE(precedente->isVisible());
    EXPECT_FALSE(suivante->isVisible());
    EXPECT_FALSE(zone().Note->isReadOnly());

    Clique(precedente, QPoint(8, 8));
    EXPECT_EQ(p().Doc.SerieCourante, 2);
    EXPECT_TRUE(zone().Note->isReadOnly());
    EXPECT_TRUE(suivante->isVisible());
    Clique(suivante, QPoint(8, 8));
    EXPECT_EQ(p().Doc.SerieCourante, 3);
    // A double click moves two series.
    Clique(precedente, QPoint(8, 8), true);
    EXPECT_EQ(p().Doc.SerieCourante, 1);
    EXPECT_FALSE(precedente->isVisible());
    Clique(suivante, QPoint(8, 8), true);
    EXPECT_EQ(p().Doc.SerieCourante, 3);

    fenetre->ActionQt(Action::PageMoins)->trigger();
    EXPECT_EQ(p().Doc.SerieCourante, 2);
    fenetre->ActionQt(Action::PagePlus)->trigger();
    EXPECT_EQ(p().Doc.SerieCourante, 3);
    EXPECT_FALSE(zone().Note->isReadOnly());
}

TEST_F(BulletinQt, TaperDansLeCommentaireLeRendModifieEtMasqueLaFlechePrecedente) {
    QLabel* precedente = Fleche("Série précédente (F4)");
    ASSERT_NE(precedente, nullptr);
    const std::string avant = p().Doc.Commentaire;
    zone().Note->moveCursor(QTextCursor::End);
    // A letter above 127 first: it too makes the comment differ from the file.
    Tape("é");
    EXPECT_TRUE(p().Doc.Modifie);
    EXPECT_TRUE(fenetre->isWindowModified());
    EXPECT_FALSE(precedente->isVisible());
    Tape("\"");
    Tape("\r");
    Tape("x");
    EXPECT_EQ(p().Doc.Commentaire, avant + "é`\r\nx");
    EXPECT_EQ(zone().Note->toPlainText(),
              QString::fromStdString(avant + "é`\nx").replace("\r\n", "\n"));
}

// A page without the memo takes its focus: what is typed there reaches no hidden comment,
// not even the one of an older series that a save would then write as the last one's.
TEST_F(BulletinQt, UnePageSansCommentaireNeLeLaissePasRecevoirLesTouches) {
    const std::string avant = p().Doc.Commentaire;
    zone().Note->setFocus();
    ASSERT_TRUE(zone().Note->hasFocus());
    fenetre->ActionQt(Action::Mesures)->trigger();
    fenetre->ActionQt(Action::PageMoins)->trigger();
    ASSERT_FALSE(zone().Note->isVisible());
    EXPECT_FALSE(zone().Note->hasFocus());
    // The keyboard sends its keys to the focus.
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    for (const QString& t : {QString("x"), QString("\r")}) {
        QKeyEvent appui(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, t);
        QApplication::sendEvent(focus, &appui);
    }
    EXPECT_FALSE(p().Doc.Modifie);
    EXPECT_EQ(p().Doc.Commentaire, avant);
}

// The analysis shows its figures at once; the bootstrap comes back from the window's own
// thread and the page is drawn again with it, on every series browsed with F4.
TEST_F(BulletinQt, LAnalyseRecoitSesIncertitudesDuFilDeFond) {
    Programme& p = fenetre->Prog();
    for (const int serie : {3, 2}) {
        if (serie == 2)
            fenetre->ActionQt(Action::PageMoins)->trigger();
        else
            fenetre->ActionQt(Action::Analyse)->trigger();
        EXPECT_EQ(p.Etat.PageCourante, "Analyse");
        EXPECT_EQ(p.Doc.SerieCourante, serie);
        EXPECT_TRUE(fenetre->BoutonQt(Bouton::ToolAnalyse)->isChecked());
        const QImage avant = fenetre->Zone().Fenetre->grab().toImage();
        fenetre->Calculs().AttendFin();
        EXPECT_NE(fenetre->Zone().Fenetre->grab().toImage(), avant) << serie;
        EXPECT_TRUE(p.Incertitudes.Incertitudes(p.Doc, LignesDe(p.Doc), p.Pages.DiametresRetenus))
            << serie;
    }
}

// The history on the real window: the arrow keys choose a line and Enter opens it; the mean
// is chosen in the window's list of check boxes.
TEST_F(BulletinQt, HistoriqueAuClavierEtMoyenneChoisieDansLaListe) {
    Programme& p = fenetre->Prog();
    fenetre->ActionQt(Action::Historique)->trigger();
    ASSERT_EQ(p.Etat.PageCourante, "Historique");
    EXPECT_TRUE(fenetre->BoutonQt(Bouton::ToolHistorique)->isChecked());
    EXPECT_EQ(p.Pages.LigneHistorique, 3);
    for (const Qt::Key cle : {Qt::Key_Up, Qt::Key_Return}) {
        QKeyEvent touche(QEvent::KeyPress, cle, Qt::NoModifier);
        QApplication::sendEvent(fenetre.get(), &touche);
    }
    EXPECT_EQ(p.Etat.PageCourante, "Bulletin");
    EXPECT_EQ(p.Doc.SerieCourante, 2);

    // Series 1 and 3 checked, then OK, from inside the dialog's own loop.
    QTimer::singleShot(0, [] {
        auto* boite = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(boite, nullptr);
        auto* liste = boite->findChild<QListWidget*>();
        ASSERT_EQ(liste->count(), 3);
        liste->item(0)->setCheckState(Qt::Checked);
        liste->item(2)->setCheckState(Qt::Checked);
        boite->accept();
    });
    fenetre->ActionQt(Action::MoyenneSeries)->trigger();
    ASSERT_TRUE(p.Moyenne);
    EXPECT_EQ(p.Moyenne->Calcul.Sources, (std::vector<int>{1, 3}));
    EXPECT_EQ(p.Etat.PageCourante, "Bulletin");
    EXPECT_TRUE(fenetre->ActionQt(Action::EnregistreMoyenne)->isEnabled());
}

// The shadows' settings from the keyboard: each box named for a screen reader, taking the
// focus, its typed value committed at Enter and its arrows at once, each redrawing the page.
TEST_F(BulletinQt, OmbresReglablesAuClavier) {
    fenetre->ActionQt(Action::Ombres)->trigger();
    ASSERT_EQ(p().Etat.PageCourante, "Ombres");
    EXPECT_TRUE(fenetre->BoutonQt(Bouton::ToolOmbres)->isChecked());
    auto boite = [this](const char* nom) {
        for (auto* b : zone().Fiche->findChildren<QDoubleSpinBox*>())
            if (b->accessibleName() == nom) return b;
        return static_cast<QDoubleSpinBox*>(nullptr);
    };
    QDoubleSpinBox* zoneCouteau = boite("Zone du couteau");
    QDoubleSpinBox* lignes = boite("Traits par pouce du réseau");
    ASSERT_TRUE(zoneCouteau && lignes && boite("Décalage du réseau"));
    EXPECT_TRUE(lignes->isVisible());
    EXPECT_EQ(lignes->focusPolicy(), Qt::StrongFocus);
    const int zoneAvant = static_cast<int>(zoneCouteau->value());

    QImage avant = zone().Fenetre->grab().toImage();
    lignes->setFocus();
    lignes->selectAll();
    for (const char* touche : {"5", "0"}) {
        QKeyEvent e(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, touche);
        QApplication::sendEvent(lignes, &e);
    }
    EXPECT_EQ(p().Pages.Ombres.LignesParPouce, 100); // not before Enter
    QKeyEvent entree(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(lignes, &entree);
    EXPECT_EQ(p().Pages.Ombres.LignesParPouce, 50);
    EXPECT_NE(zone().Fenetre->grab().toImage(), avant);

    avant = zone().Fenetre->grab().toImage();
    QKeyEvent bas(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(zoneCouteau, &bas);
    EXPECT_EQ(p().Pages.Ombres.Zone, zoneAvant - 1);
    EXPECT_NE(zone().Fenetre->grab().toImage(), avant);

    // Another page hides them.
    fenetre->ActionQt(Action::BulletinDeControle)->trigger();
    EXPECT_FALSE(lignes->isVisible());
}

} // namespace
} // namespace tarvo::test
