#pragma once

#include "RobotAleatoire.h"
#include "app/Actions.h"

#include <QDir>
#include <QPoint>
#include <QString>

#include <atomic>
#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

class QWidget;

namespace tarvo {
class FenetrePrincipale;
}

namespace tarvo::test {

struct ReglagesAleatoires {
    std::uint64_t Graine = 1;
    std::int64_t Evenements = 0;
    // Every event written out as it runs, to follow a failure that replays.
    bool Trace = false;
};

// A user who does anything at random in the real main window: clicks on the page, the
// arrows and the buttons, keys in the editor and the memo, every command, scrolling and
// resizing, on the documents of a folder; and who starts the program again after leaving
// it. Every save that reports success is read back and compared with memory.
class SessionAleatoire {
  public:
    // `evenement` receives the number of the event being run, for a watcher outside.
    SessionAleatoire(const ReglagesAleatoires& reglages, const QDir& dossier,
                     std::atomic<std::int64_t>& evenement);
    ~SessionAleatoire();

    // Runs every event; the first fault found (a save that does not read back), or an
    // empty text.
    std::string Joue();

  private:
    int Tirage(int n);
    bool Pile(int chances) { return Tirage(chances) == 0; }
    void Note(const QString& texte);

    void NouvelleFenetre();
    void Evenement();
    void Clique(QWidget* cible, QPoint point, bool double_);
    void CliqueSurLaPage(QPoint point);
    void CliqueDansUnCadre();
    void CliqueSurUneFleche();
    void CliqueSurUneForme();
    void CliqueSurAnnuler();
    void FocusSur(QWidget* cible);
    void ToucheSaisie();
    void NombreSaisie();
    void ToucheNote();
    void Commande();
    void LanceCommande(Action a);
    void Historique();
    void FermeFenetre();
    void Defile();
    void Redimensionne();
    // After a command that may have saved: the file read back against memory; after an exit
    // that went through, a new window.
    void VerifieEnregistrement(Action a);
    void ApresFermeture();

    ReglagesAleatoires Reglages;
    QDir Dossier;
    std::atomic<std::int64_t>& NumeroEvenement;
    std::mt19937_64 Hasard;
    RobotAleatoire Robot;
    std::unique_ptr<FenetrePrincipale> Fenetre;
    std::string Faute;
};

} // namespace tarvo::test
