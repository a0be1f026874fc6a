#include "RobotAleatoire.h"

#include <QApplication>
#include <QFileDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QTest>

namespace tarvo::test {

RobotAleatoire::RobotAleatoire(std::mt19937_64& hasard, const QDir& dossier)
    : Hasard(hasard), Dossier(dossier) {
    QObject::connect(&Minuterie, &QTimer::timeout, [this] { Repond(); });
    Minuterie.start(1);
}

int RobotAleatoire::Tirage(int n) {
    return std::uniform_int_distribution<int>(0, n - 1)(Hasard);
}

void RobotAleatoire::Repond() {
    QWidget* modale = QApplication::activeModalWidget();
    if (modale == nullptr || modale == EnAttente) return;
    // The answer comes from the dialog's own loop: an answer that opens a dialog in its turn
    // (a file not found) must not block the timer, which does not fire again inside itself.
    EnAttente = modale;
    QMetaObject::invokeMethod(
        modale,
        [this, modale] {
            EnAttente = nullptr;
            Repond(modale);
        },
        Qt::QueuedConnection);
}

void RobotAleatoire::Repond(QWidget* modale) {
    if (auto* boite = qobject_cast<QMessageBox*>(modale)) {
        RepondMessage(*boite);
    } else if (auto* fichier = qobject_cast<QFileDialog*>(modale)) {
        RepondFichier(*fichier);
    } else if (auto* dialogue = qobject_cast<QDialog*>(modale)) {
        // The print dialog, the About box and anything else: closed, never accepted, so
        // that nothing goes to a printer.
        if (Journal) Journal("ferme " + QString(dialogue->metaObject()->className()));
        // A list of check boxes (the series of a mean) gets some of its boxes checked.
        if (auto* liste = dialogue->findChild<QListWidget*>()) {
            for (int i = 0; i < liste->count(); ++i)
                if ((liste->item(i)->flags() & Qt::ItemIsEnabled) && Tirage(2) == 0)
                    liste->item(i)->setCheckState(Qt::Checked);
        }
        if (qobject_cast<QPrintDialog*>(dialogue) == nullptr && Tirage(2) == 0)
            dialogue->accept();
        else
            dialogue->reject();
    } else {
        modale->close();
    }
}

void RobotAleatoire::RepondMessage(QMessageBox& boite) {
    QList<QAbstractButton*> visibles;
    for (QAbstractButton* b : boite.buttons())
        if (b->isVisibleTo(&boite)) visibles.push_back(b);
    if (visibles.isEmpty() || Tirage(8) == 0) {
        if (Journal) Journal("Échap sur « " + boite.text() + " »");
        QTest::keyClick(&boite, Qt::Key_Escape);
        // A box that Escape does not close gets its first button.
        if (QApplication::activeModalWidget() == &boite && !visibles.isEmpty())
            visibles.first()->click();
        return;
    }
    QAbstractButton* bouton = visibles[Tirage(static_cast<int>(visibles.size()))];
    if (Journal) Journal(bouton->text() + " sur « " + boite.text() + " »");
    bouton->click();
}

QString RobotAleatoire::NomAuHasard(bool existant) {
    const QStringList fichiers = Dossier.entryList(QDir::Files, QDir::Name);
    if (existant && !fichiers.isEmpty())
        return Dossier.filePath(fichiers[Tirage(static_cast<int>(fichiers.size()))]);
    static constexpr const char* Noms[] = {"nouveau",    "nouveau.bdc",     "copie de miroir.bdc",
                                           "éprouvette", "sans extension.", "essai.bak",
                                           "essai.tmp"};
    return Dossier.filePath(Noms[Tirage(static_cast<int>(std::size(Noms)))]);
}

void RobotAleatoire::RepondFichier(QFileDialog& dialogue) {
    if (Tirage(8) == 0) {
        if (Journal) Journal("annule " + dialogue.windowTitle());
        dialogue.reject();
        return;
    }
    const bool ouvrir = dialogue.acceptMode() == QFileDialog::AcceptOpen;
    // Mostly a file of the folder; sometimes a name that is not there.
    const QString nom = NomAuHasard(Tirage(ouvrir ? 10 : 2) != 0);
    if (Journal) Journal(dialogue.windowTitle() + " : " + nom);
    dialogue.selectFile(nom);
    static_cast<QDialog&>(dialogue).accept();
}

} // namespace tarvo::test
