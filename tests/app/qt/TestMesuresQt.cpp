#include "ApplicationTest.h"
#include "app/Programme.h"
#include "shell/FenetrePrincipale.h"
#include "shell/ZonePage.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>

#include <gtest/gtest.h>

namespace tarvo::test {
namespace {

const std::string Exemple = std::string(TARVO_SOURCE_DIR) + "/examples/miroir-200-f6.bdc";

// The series commands in the real window, on the example: three series.
TEST(MesuresQt, LesCommandesDesSeriesEtLeursEtats) {
    ApplicationTest();
    FenetrePrincipale fenetre;
    fenetre.Demarre({Exemple});
    fenetre.show();
    QApplication::processEvents();
    Programme& p = fenetre.Prog();
    ZonePage& zone = fenetre.Zone();
    const auto actif = [&](Action a) { return fenetre.ActionQt(a)->isEnabled(); };

    fenetre.ActionQt(Action::NouvellesMesures)->trigger();
    EXPECT_EQ(p.Etat.PageCourante, "NouvellesMesures");
    EXPECT_EQ(p.Doc.NombreSeries, 4);
    EXPECT_TRUE(fenetre.BoutonQt(Bouton::ToolNouvelles)->isChecked());
    EXPECT_TRUE(zone.Bouton_Annuler->isVisible());
    EXPECT_TRUE(zone.Saisie->isVisible());
    EXPECT_EQ(zone.Saisie->pos(), QPoint(p.Cadres.Cadres[2].Gauche, p.Cadres.Cadres[2].Haut + 1));
    fenetre.grab().save("nouvelles-mesures.png");

    zone.Bouton_Annuler->click();
    EXPECT_EQ(p.Etat.PageCourante, "EditionMesures");
    EXPECT_EQ(p.Doc.NombreSeries, 3);
    EXPECT_TRUE(fenetre.BoutonQt(Bouton::ToolEdition)->isChecked());
    EXPECT_FALSE(zone.Bouton_Annuler->isVisible());
    EXPECT_TRUE(actif(Action::EditionDesMesures));

    // The view of the series: the arrows browse, and an older series cannot be edited.
    fenetre.ActionQt(Action::Mesures)->trigger();
    EXPECT_TRUE(fenetre.BoutonQt(Bouton::ToolAnciennes)->isChecked());
    EXPECT_FALSE(zone.Saisie->isVisible());
    QLabel* precedente = nullptr;
    for (QLabel* l : zone.Fiche->findChildren<QLabel*>())
        if (l->toolTip() == "Série précédente (F4)") precedente = l;
    ASSERT_NE(precedente, nullptr);
    ASSERT_TRUE(precedente->isVisible());
    QMouseEvent appui(QEvent::MouseButtonPress, QPointF(8, 8),
                      precedente->mapToGlobal(QPointF(8, 8)), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent relache(QEvent::MouseButtonRelease, QPointF(8, 8),
                        precedente->mapToGlobal(QPointF(8, 8)), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(precedente, &appui);
    QApplication::sendEvent(precedente, &relache);
    EXPECT_EQ(p.Doc.SerieCourante, 2);
    EXPECT_FALSE(actif(Action::EditionDesMesures));
    EXPECT_TRUE(actif(Action::NouvellesMesures));

    fenetre.ActionQt(Action::Feuille_Travail)->trigger();
    EXPECT_TRUE(fenetre.BoutonQt(Bouton::ToolTravail)->isChecked());
    EXPECT_TRUE(zone.ControleVisible(Controle::DessinF));
    fenetre.grab().save("feuille.png");
}

} // namespace
} // namespace tarvo::test
