#include "ApplicationTest.h"
#include "app/Commandes.h"
#include "app/Programme.h"
#include "shell/FenetreAide.h"
#include "shell/FenetrePrincipale.h"
#include "shell/Icones.h"
#include "shell/ZonePage.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

namespace tarvo::test {
namespace {

const std::string Exemple = std::string(TARVO_SOURCE_DIR) + "/examples/miroir-200-f6.bdc";

struct FenetreQt : ::testing::Test {
    FenetreQt() {
        ApplicationTest();
        fenetre = std::make_unique<FenetrePrincipale>();
    }
    void Demarre(const std::vector<std::string>& arguments) {
        fenetre->Demarre(arguments);
        fenetre->show();
        QApplication::processEvents();
    }
    // The items of a menu as "caption|shortcut", "-" for a separator.
    static std::vector<std::string> Elements(QMenu* menu) {
        std::vector<std::string> elements;
        for (QAction* a : menu->actions()) {
            if (a->isSeparator())
                elements.push_back("-");
            else if (!a->objectName().startsWith("Historique"))
                elements.push_back(
                    (a->text() + "|" + a->shortcut().toString(QKeySequence::PortableText))
                        .toStdString());
        }
        return elements;
    }
    std::unique_ptr<FenetrePrincipale> fenetre;
};

TEST_F(FenetreQt, MenusLibellesRaccourcisEtIndications) {
    const QList<QAction*> menus = fenetre->menuBar()->actions();
    ASSERT_EQ(menus.size(), 4);
    EXPECT_EQ(menus[0]->text(), "&Fichier");
    EXPECT_EQ(menus[0]->statusTip(), "Commandes liées aux fichiers");
    EXPECT_EQ(menus[1]->text(), "&Edition");
    EXPECT_EQ(menus[1]->statusTip(), "Commandes d'édition");
    EXPECT_EQ(menus[2]->text(), "A&ffichage");
    EXPECT_EQ(menus[3]->text(), "&Aide");
    EXPECT_EQ(menus[3]->statusTip(), "Rubriques d'aide");

    using V = std::vector<std::string>;
    EXPECT_EQ(
        Elements(menus[0]->menu()),
        (V{"&Nouveau|Ctrl+N", "&Ouvrir|Ctrl+O", "&Enregistrer|Ctrl+S", "Enregistrer &sous...|", "-",
           "&Imprimer|Ctrl+I", "Imprimer le &masque de Couder…|", "-", "-", "&Quitter|Ctrl+Q"}));
    EXPECT_EQ(Elements(menus[1]->menu()),
              (V{"Cou&per|Ctrl+X", "&Copier|Ctrl+C", "Co&ller|Ctrl+V"}));
    EXPECT_EQ(
        Elements(menus[2]->menu()),
        (V{"Caractéristiques|Ctrl+K", "Feuille de travail|Ctrl+T", "-", "Mesures|",
           "Nouvelles mesures|", "&Edition des mesures|Ctrl+M", "-", "&Bulletin de contrôle|Ctrl+B",
           "A&nalyse du miroir|Ctrl+R", "&Historique du miroir|Ctrl+H", "&Ombres simulées|Ctrl+J",
           "-", "&Moyenne des séries…|", "Enregistrer comme nouvelle série|"}));
    EXPECT_EQ(Elements(menus[3]->menu()), (V{"&Aide|F1", "&A propos...|"}));

    // Hints: the short part as tooltip, the long part in the status bar.
    QAction* ouvrir = fenetre->ActionQt(Action::FileOpen1);
    EXPECT_EQ(ouvrir->toolTip(), "Ouvrir");
    EXPECT_EQ(ouvrir->statusTip(), "Ouvrir un fichier");
    EXPECT_EQ(fenetre->ActionQt(Action::Imprimer1)->toolTip(), "Imprimer ");
    EXPECT_EQ(fenetre->ActionQt(Action::FileNew1)->data().toInt(), 1000);
    EXPECT_EQ(fenetre->ActionQt(Action::BulletinDeControle)->data().toInt(), 3400);
    EXPECT_EQ(fenetre->ActionQt(Action::PageMoins)->shortcut(), QKeySequence(Qt::Key_F4));
}

TEST_F(FenetreQt, BarreDOutilsDansLOrdreAvecSesImages) {
    std::vector<std::string> ordre;
    for (QAction* a : fenetre->ToolBar1()->actions()) {
        if (a->isSeparator()) {
            ordre.push_back("-");
            continue;
        }
        auto* bouton = qobject_cast<QToolButton*>(fenetre->ToolBar1()->widgetForAction(a));
        ASSERT_NE(bouton, nullptr);
        EXPECT_FALSE(bouton->icon().isNull());
        EXPECT_FALSE(bouton->autoRaise());
        ordre.push_back(bouton->toolTip().toStdString());
    }
    EXPECT_EQ(ordre, (std::vector<std::string>{"Nouveau",
                                               "Ouvrir",
                                               "Enregistrer",
                                               "Enregistrer sous",
                                               "-",
                                               "Imprimer ",
                                               "-",
                                               "Couper",
                                               "Copier",
                                               "Coller",
                                               "-",
                                               "Caractéristiques",
                                               "Feuille de travail",
                                               "Mesures",
                                               "Nouvelles mesures",
                                               "Edition des mesures",
                                               "Bulletin de contrôle",
                                               "Analyse du miroir",
                                               "Historique du miroir",
                                               "Ombres simulées",
                                               "-",
                                               "Aide"}));
    for (int n = 0; n < NombreImages; ++n)
        for (int cote : {16, 24}) {
            const QImage image = DessineImage(n, cote).toImage();
            ASSERT_EQ(image.size(), QSize(cote, cote));
            int encre = 0;
            for (int y = 0; y < cote; ++y)
                for (int x = 0; x < cote; ++x)
                    encre += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
            EXPECT_GT(encre, cote * cote / 8) << "image " << n << " à " << cote;
        }
}

TEST_F(FenetreQt, DemarrageSurLExempleEtEtatDesCommandes) {
    Demarre({Exemple});
    EXPECT_EQ(fenetre->Legende(), "Tarvo - miroir-200-f6.bdc ");
    Programme& p = fenetre->Prog();
    EXPECT_GT(p.Doc.NombreSeries, 1);
    EXPECT_EQ(p.Etat.PageCourante, "Caractéristiques");
    EXPECT_EQ(p.Etat.SeparateurDecimal, ',');

    const auto actif = [&](Action a) { return fenetre->ActionQt(a)->isEnabled(); };
    for (Action a :
         {Action::FileNew1, Action::FileOpen1, Action::FileSaveAs1, Action::Imprimer1,
          Action::FileExit1, Action::Aide, Action::Apropos, Action::EditeCaracteristiques1,
          Action::Feuille_Travail, Action::Mesures, Action::NouvellesMesures,
          Action::EditionDesMesures, Action::BulletinDeControle, Action::PageMoins,
          Action::PagePlus, Action::Annuler})
        EXPECT_TRUE(actif(a)) << Description(a).Nom;
    // Not modified: nothing to save; cut and copy follow the editor's focus.
    EXPECT_FALSE(actif(Action::FileSave1));
    for (Action a : {Action::Couper1, Action::Copier1})
        EXPECT_EQ(actif(a), fenetre->Zone().Saisie->hasFocus()) << Description(a).Nom;
    EXPECT_TRUE(fenetre->BoutonQt(Bouton::ToolTravail)->isEnabled());
    EXPECT_TRUE(fenetre->BoutonQt(Bouton::ToolCaracteristiques)->isChecked());
    EXPECT_FALSE(fenetre->BoutonQt(Bouton::ToolBulletin)->isChecked());

    // The recent files: the example first, after the separator N2.
    EXPECT_TRUE(fenetre->SeparateurN2()->isVisible());
    EXPECT_TRUE(fenetre->HistoriqueQt(1)->isVisible());
    EXPECT_EQ(fenetre->HistoriqueQt(1)->text().toStdString(), "&1 " + Exemple + " ");
    EXPECT_FALSE(fenetre->HistoriqueQt(2)->isVisible());

    // The editor on the mirror's name, ready for typing.
    ZonePage& zone = fenetre->Zone();
    EXPECT_TRUE(zone.Saisie->isVisible());
    EXPECT_FALSE(zone.Saisie->isReadOnly());
    EXPECT_EQ(zone.Saisie->text().toStdString(), p.Doc.Intitule);
    EXPECT_EQ(zone.Saisie->maxLength(), 70);
    EXPECT_EQ(zone.Saisie->toolTip(), "Texte libre de 70 caractères maximum");
    EXPECT_EQ(zone.Saisie->pos(), QPoint(p.Cadres.Cadres[1].Gauche, p.Cadres.Cadres[1].Haut));
    EXPECT_TRUE(zone.FormeParabolique->isChecked());
    EXPECT_FALSE(zone.Bouton_Annuler->isVisible());

    // What a person sees, kept beside the test for a look.
    const QImage image = fenetre->grab().toImage();
    image.save("fenetre.png");
    EXPECT_EQ(image.size(), fenetre->size());
}

TEST_F(FenetreQt, LesBarresDeplacentLaFicheEntiere) {
    Demarre({Exemple});
    ZonePage& zone = fenetre->Zone();
    Programme& p = fenetre->Prog();
    // Too low for the page: the vertical bar appears.
    fenetre->resize(640, 300);
    QApplication::processEvents();
    ASSERT_TRUE(zone.VerticalBar->isVisible());
    const BarreDefilement& v = p.vue.Barre(Sens::Vertical);
    EXPECT_EQ(v.TaillePage, p.Etat.HauteurUtile * 100 / zone.HauteurCadre());
    EXPECT_EQ(zone.VerticalBar->maximum(), 100 - v.TaillePage);
    EXPECT_EQ(zone.VerticalBar->pageStep(), v.TaillePage);
    EXPECT_EQ(zone.VerticalBar->width(), 17);

    zone.VerticalBar->setValue(20);
    EXPECT_EQ(v.Position, 20);
    EXPECT_EQ(zone.Fiche->y(), -(zone.HauteurCadre() * 20 / 100) + 1);
    // A click in the trough moves by the large change.
    zone.VerticalBar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(v.Position, std::min(20 + v.GrandPas, 100 - v.TaillePage));
    fenetre->grab().save("fenetre-defilee.png");

    // Tall enough again: the bar goes and the page comes back to the top.
    fenetre->resize(640, 1000);
    QApplication::processEvents();
    EXPECT_FALSE(zone.VerticalBar->isVisible());
    EXPECT_EQ(v.Position, 0);
    EXPECT_EQ(zone.Fiche->y(), 1);
    EXPECT_EQ(zone.HautCadre(), zone.HauteurBarreOutils() + 1);
}

TEST_F(FenetreQt, LAideMontreLeSommaireEtSeFermeALaSortie) {
    Demarre({});
    fenetre->ActionQt(Action::Aide)->trigger();
    auto* aide = fenetre->findChild<FenetreAide*>();
    ASSERT_NE(aide, nullptr);
    EXPECT_TRUE(aide->isVisible());
    auto* navigateur = aide->findChild<QTextBrowser*>();
    ASSERT_NE(navigateur, nullptr);
    EXPECT_TRUE(navigateur->source().path().endsWith("/help/index.html"));
    EXPECT_EQ(aide->windowTitle(), "Aide de Tarvo - Sommaire");
    aide->grab().save("aide.png");

    // Every help context has its topic, with a title.
    for (int contexte : {1000, 2000, 3100, 3200, 3300, 3400}) {
        AideContextuelle(fenetre->Prog(), contexte);
        EXPECT_FALSE(navigateur->documentTitle().isEmpty()) << contexte;
        EXPECT_FALSE(navigateur->toPlainText().contains("Le fichier d'aide est introuvable"))
            << contexte;
    }
    fenetre->FermeAides();
    EXPECT_FALSE(aide->isVisible());
}

TEST_F(FenetreQt, NouveauVideLeDocumentEtLeTitre) {
    Demarre({Exemple});
    fenetre->ActionQt(Action::FileNew1)->trigger();
    EXPECT_EQ(fenetre->Legende(), "Tarvo");
    EXPECT_TRUE(fenetre->Prog().Doc.Intitule.empty());
    EXPECT_TRUE(fenetre->Zone().Saisie->text().isEmpty());
}

} // namespace
} // namespace tarvo::test
