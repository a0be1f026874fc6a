#pragma once

#include <cstdint>

namespace tarvo {

struct EtatProgramme;

enum class Sens { Vertical, Horizontal };

// A scroll bar running from 0 to 100: position and page size are percentages of the
// frame's height or width.
struct BarreDefilement {
    int Position = 0;
    int TaillePage = 0;
    int GrandPas = 1;
    bool Visible = true;
};

// Width of `VerticalBar` and height of `HorizontalBar`.
inline constexpr int EpaisseurBarre = 17;

// What the viewport needs of the window: client size, toolbar and status bar heights and
// the page frame `Fiche`, in the window's client coordinates (the toolbar included). The
// window shows the bars as `Vue` sets them.
class GeometrieVue {
  public:
    virtual ~GeometrieVue() = default;
    virtual int HauteurClient() = 0;
    virtual int LargeurClient() = 0;
    virtual int HauteurBarreOutils() = 0;
    virtual int HauteurBarreEtat() = 0;
    virtual int HautCadre() = 0;
    virtual int GaucheCadre() = 0;
    virtual int HauteurCadre() = 0;
    virtual int LargeurCadre() = 0;
    virtual void FixeHautCadre(int haut) = 0;
    virtual void FixeGaucheCadre(int gauche) = 0;
    virtual void AppliqueBarre(Sens sens, const BarreDefilement& barre) = 0;
};

// The two scroll bars `VerticalBar` and `HorizontalBar`, which move the whole page frame
// rather than scroll its content, and the handlers that keep frame and bars together.
class Vue {
  public:
    Vue(GeometrieVue& geometrie, EtatProgramme& etat) : Geometrie(geometrie), Etat(etat) {}

    // Sizes the bars to the frame; called after every screen drawing and on resize.
    void MetAJourVue();
    void VerticalBarChange();
    void HorizontalBarChange();
    void FormResize();
    // The user moved a bar (drag, arrows or a click in its trough).
    void DeplaceBarre(Sens sens, int position);
    // A click in the trough: one large change up or down.
    void PasseUnePage(Sens sens, bool avant);

    const BarreDefilement& Barre(Sens sens) const {
        return sens == Sens::Vertical ? Verticale : Horizontale;
    }

  private:
    BarreDefilement& Modifiable(Sens sens) {
        return sens == Sens::Vertical ? Verticale : Horizontale;
    }
    // A bar clamps its position to 0..100 and runs its change handler when it moves.
    void FixePosition(Sens sens, int position);
    // A bar keeps its previous page size when asked for one above 100.
    void FixeTaillePage(Sens sens, int taille);
    void Montre(Sens sens, bool visible);
    void Change(Sens sens);

    GeometrieVue& Geometrie;
    EtatProgramme& Etat;
    BarreDefilement Verticale;
    BarreDefilement Horizontale;
};

// Rounding of a single-precision quotient to the nearest integer, halves to even.
int ArrondiPourcentage(std::int64_t numerateur, std::int64_t denominateur);

} // namespace tarvo
