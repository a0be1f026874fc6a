#include "ApplicationTest.h"
#include "app/Actions.h"
#include "app/Programme.h"
#include "shell/BoiteAPropos.h"
#include "shell/DialoguesQt.h"
#include "shell/FenetrePrincipale.h"
#include "shell/SystemeQt.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace tarvo::test {
namespace {

// Runs `examine` on the modal window that the next call opens, then lets it go.
void QuandModal(std::function<void(QWidget*)> examine) {
    QTimer::singleShot(0, [examine] {
        QWidget* modale = QApplication::activeModalWidget();
        ASSERT_NE(modale, nullptr);
        examine(modale);
    });
}

TEST(DialoguesQt, FiltreDesFichiers) {
    EXPECT_EQ(FiltreQt("Bulletin de contrôle *.bdc|*.bdc|Tous fichiers *.*|*.*"),
              "Bulletin de contrôle *.bdc (*.bdc);;Tous fichiers *.* (*)");
}

TEST(DialoguesQt, LaQuestionDEnregistrementEtSesBoutons) {
    ApplicationTest();
    DialoguesQt dialogues(nullptr);
    QuandModal([](QWidget* modale) {
        auto* boite = qobject_cast<QMessageBox*>(modale);
        ASSERT_NE(boite, nullptr);
        EXPECT_EQ(boite->windowTitle(), "Confirmation");
        EXPECT_EQ(boite->text(), "Voulez-vous enregistrer :\n/m/essai.bdc ?");
        EXPECT_EQ(boite->icon(), QMessageBox::Question);
        QStringList boutons;
        for (QAbstractButton* b : boite->buttons())
            if (b->isVisibleTo(boite)) boutons << b->text();
        EXPECT_EQ(boutons.size(), 3);
        EXPECT_TRUE(boutons.contains("&Oui") && boutons.contains("&Non") &&
                    boutons.contains("Annuler"));
        ASSERT_NE(boite->defaultButton(), nullptr);
        EXPECT_EQ(boite->defaultButton()->text(), "&Oui");
        boite->defaultButton()->click();
    });
    EXPECT_EQ(
        dialogues.Confirmation("Voulez-vous enregistrer :\r/m/essai.bdc ?", true, Reponse::Oui),
        Reponse::Oui);

    // Closing the box counts as Cancel, even with only Yes and No shown.
    QuandModal([](QWidget* modale) { modale->close(); });
    EXPECT_EQ(dialogues.Confirmation("Recalculer les zones ?", false, Reponse::Non),
              Reponse::Annuler);
}

TEST(DialoguesQt, AvertissementTitreEtIcone) {
    ApplicationTest();
    DialoguesQt dialogues(nullptr);
    QuandModal([](QWidget* modale) {
        auto* boite = qobject_cast<QMessageBox*>(modale);
        ASSERT_NE(boite, nullptr);
        EXPECT_EQ(boite->windowTitle(), "Tarvo - Lecture d'un fichier");
        EXPECT_EQ(boite->text(), "Fichier introuvable");
        EXPECT_EQ(boite->icon(), QMessageBox::Warning);
        EXPECT_EQ(boite->buttons().size(), 1);
        boite->buttons().first()->click();
    });
    dialogues.Avertissement("Tarvo - Lecture d'un fichier", "Fichier introuvable");
}

TEST(SystemeQt, SeparateurDateEtDossiersDuSysteme) {
    ApplicationTest();
    SystemeQt systeme;
    // The tests run in a French locale.
    EXPECT_EQ(systeme.SeparateurDecimal(), ',');
    EXPECT_EQ(systeme.DateCourte(46365), "09/12/2026");
    EXPECT_EQ(systeme.DateCourte(0), "30/12/1899");
    // Without a configured language the date stays short, day first.
    EXPECT_EQ(DateCourteSelon(QLocale::c(), QDate(2026, 12, 9)), "09/12/2026");
    EXPECT_EQ(DateCourteSelon(QLocale(QLocale::French), QDate(2026, 12, 9)), "09/12/2026");
    EXPECT_EQ(systeme.RepertoireConfiguration().back(), '/');
    EXPECT_NE(systeme.RepertoireConfiguration().find("/config/"), std::string::npos);
    EXPECT_EQ(systeme.RepertoireExecutable().back(), '/');
    EXPECT_GT(systeme.Aujourdhui(), 45000);
}

TEST(BoiteAPropos, TitreTaillesEtTextes) {
    ApplicationTest();
    FenetrePrincipale fenetre;
    QuandModal([](QWidget* modale) {
        auto* boite = qobject_cast<BoiteAPropos*>(modale);
        ASSERT_NE(boite, nullptr);
        EXPECT_EQ(boite->windowTitle(), "A propos de Tarvo");
        EXPECT_EQ(boite->size(), QSize(349, 209));
        EXPECT_FALSE(boite->windowFlags() & Qt::WindowCloseButtonHint);
        EXPECT_EQ(boite->ProductName->text(), "Tarvo - Version 2.5.3");
        EXPECT_TRUE(boite->ProductName->font().bold());
        EXPECT_EQ(boite->Version->width(), 230);
        EXPECT_EQ(boite->Version->text(),
                  "Logiciel d'aide à la réalisation des miroirs de télescopes en utilisant la "
                  "méthode de Foucault et l'écran à échancrures de Couder.");
        EXPECT_EQ(boite->Adresse->width(), 313);
        boite->grab().save("apropos.png");
        boite->accept();
    });
    fenetre.AfficheAPropos();
}

// "Imprimer" into a PDF file: the file written whole, or a message naming it and why, and
// nothing written.
TEST(ImpressionQt, DansUnFichierPdfEntierOuAvecSaRaison) {
    ApplicationTest();
    QTemporaryDir dossier;
    FenetrePrincipale fenetre;
    fenetre.Demarre({std::string(TARVO_SOURCE_DIR) + "/examples/miroir-200-f6.bdc"});
    for (const QString& fichier : {dossier.filePath("page.pdf"), QString("/dev/full")}) {
        QString avertissement;
        QuandModal([&fichier, &avertissement](QWidget* modale) {
            auto* dialogue = qobject_cast<QPrintDialog*>(modale);
            ASSERT_NE(dialogue, nullptr);
            dialogue->printer()->setOutputFormat(QPrinter::PdfFormat);
            dialogue->printer()->setOutputFileName(fichier);
            if (fichier == "/dev/full")
                QuandModal([&avertissement](QWidget* boite) {
                    auto* message = qobject_cast<QMessageBox*>(boite);
                    ASSERT_NE(message, nullptr);
                    EXPECT_EQ(message->windowTitle(), "Tarvo - Impression");
                    avertissement = message->text();
                    message->close();
                });
            dialogue->done(QDialog::Accepted);
        });
        fenetre.ActionQt(Action::Imprimer1)->trigger();
        if (fichier == "/dev/full") {
            EXPECT_EQ(avertissement, "Impossible d'écrire le fichier PDF « /dev/full » : ce n'est "
                                     "pas un fichier ordinaire.");
        } else {
            QFile pdf(fichier);
            ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
            EXPECT_TRUE(pdf.readAll().startsWith("%PDF-"));
            EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files), QStringList{"page.pdf"});
        }
    }
    fenetre.Prog().Etat.Fermeture = true;
}

} // namespace
} // namespace tarvo::test
