#pragma once

#include <QIcon>
#include <QPixmap>

namespace tarvo {

// Number of toolbar images; image n is the one the actions table gives (0 New ... 14 Help,
// 15 Analysis, 16 History).
inline constexpr int NombreImages = 18;

// Image n of the toolbar, drawn at 16 and 24 pixels (the toolbar and menus pick the size
// they show); an empty icon for an unknown n.
QIcon IconeAction(int n);

// Image n drawn at one size, for tests and for the grab of the window.
QPixmap DessineImage(int n, int cote, bool inactive = false);

// The series arrows, 16 x 16: previous (`down_relache`, `down_neutre`) and next
// (`up_relache`, `up_neutre`); the neutral ones are greyed.
QPixmap DessineFleche(bool suivante, bool active);

} // namespace tarvo
