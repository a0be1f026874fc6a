#pragma once

#include "platform/Fenetre.h"

#include <array>
#include <string>

namespace tarvo::test {

// The main window as the tests see it: every setting is recorded in plain fields.
class FenetreFactice : public Fenetre {
public:
    EtatFenetre Etat() override { return EtatCourant; }
    void FixeEtat(EtatFenetre etat) override { EtatCourant = etat; }
    int Largeur() override { return LargeurCourante; }
    int Hauteur() override { return HauteurCourante; }
    int Gauche() override { return GaucheCourante; }
    int Haut() override { return HautCourant; }
    void FixeLargeur(int l) override { LargeurCourante = l; }
    void FixeHauteur(int h) override { HauteurCourante = h; }
    void FixeGauche(int g) override { GaucheCourante = g; }
    void FixeHaut(int h) override { HautCourant = h; }
    int LargeurClient() override { return LargeurCourante - 16; }
    void FixeLargeurPage(int l) override { LargeurPage = l; }
    void FixeTitre(const std::string& titre) override { Titre = titre; }
    void AfficheHistorique(int n, bool visible, const std::string& libelle) override {
        MenuVisible[static_cast<std::size_t>(n)] = visible;
        MenuLibelle[static_cast<std::size_t>(n)] = visible ? libelle : std::string();
    }
    void AfficheSeparateurHistorique(bool visible) override { SeparateurVisible = visible; }
    void ActiveEnregistrer(bool actif) override { EnregistrerActif = actif; }

    EtatFenetre EtatCourant = EtatFenetre::Normal;
    int LargeurCourante = 705, HauteurCourante = 1034, GaucheCourante = 69, HautCourant = 0;
    int LargeurPage = 0;
    std::string Titre = "Tarvo";
    std::array<bool, 5> MenuVisible{};
    std::array<std::string, 5> MenuLibelle{};
    bool SeparateurVisible = false;
    bool EnregistrerActif = false;
};

} // namespace tarvo::test
