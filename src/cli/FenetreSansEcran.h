#pragma once

#include "platform/Fenetre.h"

namespace tarvo {

// The main window of a headless run: there is none, so everything it is told is dropped.
class FenetreSansEcran final : public Fenetre {
public:
    EtatFenetre Etat() override { return EtatFenetre::Normal; }
    void FixeEtat(EtatFenetre) override {}
    int Largeur() override { return 0; }
    int Hauteur() override { return 0; }
    int Gauche() override { return 0; }
    int Haut() override { return 0; }
    void FixeLargeur(int) override {}
    void FixeHauteur(int) override {}
    void FixeGauche(int) override {}
    void FixeHaut(int) override {}
    int LargeurClient() override { return 0; }
    void FixeLargeurPage(int) override {}
    void FixeTitre(const std::string&) override {}
    void AfficheHistorique(int, bool, const std::string&) override {}
    void AfficheSeparateurHistorique(bool) override {}
    void ActiveEnregistrer(bool) override {}
};

} // namespace tarvo
