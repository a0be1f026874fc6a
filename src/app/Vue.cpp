#include "app/Vue.h"

#include "app/EtatProgramme.h"

#include <algorithm>
#include <cmath>

namespace tarvo {

int ArrondiPourcentage(std::int64_t numerateur, std::int64_t denominateur) {
    if (denominateur == 0) return 0;
    const float quotient = static_cast<float>(numerateur) / static_cast<float>(denominateur);
    // The default rounding mode rounds halves to even.
    return static_cast<int>(std::nearbyint(quotient));
}

void Vue::FixePosition(Sens sens, int position) {
    position = std::clamp(position, 0, 100);
    BarreDefilement& barre = Modifiable(sens);
    if (barre.Position == position) return;
    barre.Position = position;
    Geometrie.AppliqueBarre(sens, barre);
    Change(sens);
}

void Vue::FixeTaillePage(Sens sens, int taille) {
    BarreDefilement& barre = Modifiable(sens);
    if (taille > 100 || taille == barre.TaillePage) return;
    barre.TaillePage = taille;
    Geometrie.AppliqueBarre(sens, barre);
}

void Vue::Montre(Sens sens, bool visible) {
    BarreDefilement& barre = Modifiable(sens);
    if (barre.Visible == visible) return;
    barre.Visible = visible;
    Geometrie.AppliqueBarre(sens, barre);
}

void Vue::Change(Sens sens) {
    if (sens == Sens::Vertical)
        VerticalBarChange();
    else
        HorizontalBarChange();
}

void Vue::MetAJourVue() {
    Geometrie.FixeGaucheCadre(0);
    const int barreOutils = Geometrie.HauteurBarreOutils();

    Etat.HauteurUtile = Geometrie.HauteurClient() - barreOutils - Geometrie.HauteurBarreEtat();
    if (Horizontale.Visible) Etat.HauteurUtile -= EpaisseurBarre;
    const int hauteur = Geometrie.HauteurCadre();
    if (Etat.HauteurUtile < hauteur) {
        Montre(Sens::Vertical, true);
    } else {
        Montre(Sens::Vertical, false);
        FixePosition(Sens::Vertical, 0);
    }
    if (hauteur > 0) {
        FixeTaillePage(Sens::Vertical, Etat.HauteurUtile * 100 / hauteur);
        Verticale.GrandPas = std::min(Etat.HauteurUtile * 90 / hauteur, 100 - Verticale.TaillePage);
        Geometrie.AppliqueBarre(Sens::Vertical, Verticale);
        FixePosition(
            Sens::Vertical,
            ArrondiPourcentage(static_cast<std::int64_t>(barreOutils - Geometrie.HautCadre()) * 100,
                               hauteur));
    }

    Etat.LargeurUtile = Geometrie.LargeurClient();
    if (Verticale.Visible) Etat.LargeurUtile -= EpaisseurBarre;
    const int largeur = Geometrie.LargeurCadre();
    // Shown, the bar sits at the bottom, just above the status bar.
    Montre(Sens::Horizontal, Etat.LargeurUtile < largeur);
    if (largeur > 0) {
        FixeTaillePage(Sens::Horizontal, Etat.LargeurUtile * 100 / largeur);
        Horizontale.GrandPas =
            std::min(Etat.LargeurUtile * 90 / largeur, 100 - Horizontale.TaillePage);
        Geometrie.AppliqueBarre(Sens::Horizontal, Horizontale);
        FixePosition(
            Sens::Horizontal,
            ArrondiPourcentage(static_cast<std::int64_t>(Geometrie.GaucheCadre()) * 100, largeur));
    }
}

void Vue::VerticalBarChange() {
    if (Verticale.Position + Verticale.TaillePage > 100) {
        FixePosition(Sens::Vertical, 100 - Verticale.TaillePage);
        return;
    }
    const int hauteur = Geometrie.HauteurCadre();
    Geometrie.FixeHautCadre(-(hauteur * Verticale.Position / 100) + Geometrie.HauteurBarreOutils() +
                            1);
}

void Vue::HorizontalBarChange() {
    if (Horizontale.Position + Horizontale.TaillePage > 100) {
        FixePosition(Sens::Horizontal, 100 - Horizontale.TaillePage);
        return;
    }
    Geometrie.FixeGaucheCadre(-(Geometrie.LargeurCadre() * Horizontale.Position / 100));
}

void Vue::FormResize() {
    VerticalBarChange();
    HorizontalBarChange();
    if (!Etat.Fermeture) MetAJourVue();
}

void Vue::DeplaceBarre(Sens sens, int position) {
    FixePosition(sens, position);
}

void Vue::PasseUnePage(Sens sens, bool avant) {
    const BarreDefilement& barre = Barre(sens);
    FixePosition(sens, barre.Position + (avant ? barre.GrandPas : -barre.GrandPas));
}

} // namespace tarvo
