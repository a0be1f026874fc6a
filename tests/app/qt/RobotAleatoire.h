#pragma once

#include <QDir>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <functional>
#include <random>

class QFileDialog;
class QMessageBox;

namespace tarvo::test {

// Answers every modal dialog of the program at random, as a hurried user would: a message
// box gets one of its buttons or Escape, a file dialog a file of the folder, a new name there
// or Cancel, the print dialog is cancelled, the About box closed.
class RobotAleatoire {
  public:
    RobotAleatoire(std::mt19937_64& hasard, const QDir& dossier);
    // What the robot did, for the trace of a failing run.
    std::function<void(const QString&)> Journal;

  private:
    void Repond();
    void Repond(QWidget* modale);
    void RepondMessage(QMessageBox& boite);
    void RepondFichier(QFileDialog& dialogue);
    QString NomAuHasard(bool existant);
    int Tirage(int n);

    std::mt19937_64& Hasard;
    QDir Dossier;
    QTimer Minuterie;
    // The dialog whose answer is on its way.
    QPointer<QWidget> EnAttente;
};

} // namespace tarvo::test
