#pragma once

#include <string>

namespace tarvo {

// Window state as stored in the settings file.
enum class EtatFenetre { Normal = 0, Minimise = 1, Maximise = 2 };

// What the settings and the recent-file list do to the main window.
class Fenetre {
public:
    virtual ~Fenetre() = default;
    virtual EtatFenetre Etat() = 0;
    virtual void FixeEtat(EtatFenetre etat) = 0;
    virtual int Largeur() = 0;
    virtual int Hauteur() = 0;
    virtual int Gauche() = 0;
    virtual int Haut() = 0;
    virtual void FixeLargeur(int largeur) = 0;
    virtual void FixeHauteur(int hauteur) = 0;
    virtual void FixeGauche(int gauche) = 0;
    virtual void FixeHaut(int haut) = 0;
    virtual int LargeurClient() = 0;
    // Width of the page bitmap.
    virtual void FixeLargeurPage(int largeur) = 0;
    virtual void FixeTitre(const std::string& titre) = 0;
    // Recent-file menu: entry n (1..4) shown with its caption, or hidden; separator N2.
    virtual void AfficheHistorique(int n, bool visible, const std::string& libelle) = 0;
    virtual void AfficheSeparateurHistorique(bool visible) = 0;
    // Enables or disables the Save command (the recent-file refresh enables it).
    virtual void ActiveEnregistrer(bool actif) = 0;
};

} // namespace tarvo
