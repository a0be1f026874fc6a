#include "ApplicationTest.h"
#include "app/Programme.h"
#include "cli/DialoguesEnregistres.h"
#include "document/Lecteur.h"
#include "posix/FichiersPosix.h"
#include "shell/FenetrePrincipale.h"
#include "shell/ZonePage.h"

#include <QAction>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>

namespace tarvo::test {
namespace {

// Answers the program's modal dialogs as a person would: the file dialog gets the name
// given, a message box is read and closed with its first button.
class Robot {
  public:
    Robot() {
        QObject::connect(&minuterie, &QTimer::timeout, [this] { Repond(); });
        minuterie.start(5);
    }
    QString Fichier;
    std::vector<std::string> Messages;

  private:
    void Repond() {
        QWidget* modale = QApplication::activeModalWidget();
        if (auto* dialogue = qobject_cast<QFileDialog*>(modale)) {
            dialogue->selectFile(Fichier);
            static_cast<QDialog*>(dialogue)->accept();
        } else if (auto* boite = qobject_cast<QMessageBox*>(modale)) {
            Messages.push_back(boite->text().toStdString());
            boite->buttons().first()->click();
        }
    }
    QTimer minuterie;
};

struct SaisieQt : ::testing::Test {
    SaisieQt() {
        ApplicationTest();
        fenetre = std::make_unique<FenetrePrincipale>();
        fenetre->Demarre({});
        fenetre->show();
        fenetre->activateWindow();
        QApplication::processEvents();
        robot.Fichier = dossier.filePath("essai.bdc");
    }
    static void Envoie(QWidget* w, int cle, const QString& texte,
                       Qt::KeyboardModifiers touches = Qt::NoModifier) {
        QKeyEvent appui(QEvent::KeyPress, cle, touches, texte);
        QApplication::sendEvent(w, &appui);
        QKeyEvent relache(QEvent::KeyRelease, cle, touches, texte);
        QApplication::sendEvent(w, &relache);
    }
    // Types a text in the editor, key after key, then Enter.
    void Tape(const QString& texte) {
        for (const QChar ch : texte)
            Envoie(zone().Saisie, Qt::Key_unknown, QString(ch));
        Envoie(zone().Saisie, Qt::Key_Return, "\r");
        QApplication::processEvents();
    }
    Programme& p() { return fenetre->Prog(); }
    ZonePage& zone() { return fenetre->Zone(); }

    QTemporaryDir dossier;
    Robot robot;
    std::unique_ptr<FenetrePrincipale> fenetre;
};

double Lecture(int d, int ligne, int z) {
    return std::round((1 + 0.3 * z + 0.004 * ligne + 0.0011 * d) * 1000) / 1000;
}

// A whole mirror and a whole series typed with the keyboard alone, saved, read back.
TEST_F(SaisieQt, UnMiroirEtUneSerieSaisisAuClavierSeRelisentALIdentique) {
    ASSERT_EQ(p().Etat.Saisie.ChampCourant, 1u);
    Tape("Miroir d'essai");
    Tape("200");
    Tape("1200");
    EXPECT_EQ(p().Doc.NombreZones, 4); // proposed at the first focal length, no question
    Tape("");                          // radius of curvature, as computed
    Tape("25");
    Tape(""); // K
    Tape(""); // hole
    Tape(""); // zone count
    for (int z = 1; z <= 3; ++z)
        Tape(""); // the proposed radii
    EXPECT_EQ(p().Etat.Saisie.ChampCourant, 1u);
    EXPECT_TRUE(robot.Messages.empty());

    // A bad diameter: the message, nothing changed, and Enter gives the diameter again.
    Envoie(zone().Saisie, Qt::Key_Return, "\r");
    Tape("1200");
    ASSERT_EQ(robot.Messages.size(), 1u);
    EXPECT_EQ(robot.Messages[0], "Le diamètre doit être inférieur à 1000mm");
    EXPECT_EQ(p().Doc.Diametre, 200);
    EXPECT_EQ(p().Etat.Saisie.ChampCourant, 12u);
    EXPECT_EQ(zone().Saisie->text(), "200");

    fenetre->ActionQt(Action::FileSaveAs1)->trigger();
    ASSERT_TRUE(p().Doc.EnregistrementReussi);
    ASSERT_TRUE(fenetre->ActionQt(Action::NouvellesMesures)->isEnabled());

    fenetre->ActionQt(Action::NouvellesMesures)->trigger();
    zone().Saisie->setFocus();
    for (int d = 1; d <= 2; ++d)
        for (int ligne = 1; ligne <= 10; ++ligne)
            for (int z = 1; z <= 4; ++z)
                Tape(QString::number(Lecture(d, ligne, z), 'f', 3));
    // A reading of 1000 is refused and stored nowhere.
    Tape("1000");
    EXPECT_EQ(robot.Messages.back(), "Tarvo n'accepte pas de valeur de mesure supérieure à 1000");
    EXPECT_DOUBLE_EQ(p().Doc.Lectures[0][11][1], 10);
    EXPECT_DOUBLE_EQ(p().Doc.Lectures[0][11][2], 10);

    fenetre->ActionQt(Action::BulletinDeControle)->trigger();
    zone().Note->setFocus();
    for (const QChar ch : QString("Première série\rbord un peu \"rabattu\""))
        Envoie(zone().Note, ch == '\r' ? Qt::Key_Return : Qt::Key_unknown, QString(ch));
    fenetre->ActionQt(Action::FileSave1)->trigger();
    ASSERT_TRUE(p().Doc.EnregistrementReussi);

    FichiersPosix fichiers;
    DialoguesEnregistres muets;
    Document relu;
    relu.NomFichier = robot.Fichier.toStdString();
    LireDocument(relu, fichiers, muets);
    ASSERT_TRUE(muets.Messages.empty());
    EXPECT_EQ(relu.Intitule, "Miroir d'essai");
    EXPECT_EQ(relu.Diametre, 200);
    EXPECT_EQ(relu.Focale, 1200);
    EXPECT_EQ(relu.Epaisseur, 25);
    EXPECT_EQ(relu.CoefDeformation, -1);
    EXPECT_EQ(relu.NombreZones, 4);
    for (const auto& [z, r] : {std::pair{1, 39.0}, {2, 62.0}, {3, 82.0}, {4, 100.0}})
        EXPECT_EQ(relu.Zones[static_cast<std::size_t>(z)][RayonExterieur], r);
    // The empty series saved with the mirror took the readings: one series.
    EXPECT_EQ(relu.SerieCourante, 1);
    for (int d = 1; d <= 2; ++d)
        for (int ligne = 1; ligne <= 10; ++ligne) {
            EXPECT_EQ(relu.Lectures[0][ligne][d], 1);
            for (int z = 1; z <= 4; ++z)
                EXPECT_DOUBLE_EQ(relu.Lectures[z][ligne][d], Lecture(d, ligne, z));
        }
    EXPECT_EQ(relu.Commentaire, "Première série\r\nbord un peu `rabattu`");
}

} // namespace
} // namespace tarvo::test
