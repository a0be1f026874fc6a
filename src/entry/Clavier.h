#pragma once

#include "entry/ContexteSaisie.h"

namespace tarvo {

// The keys of the editor that the program acts on; the others are the editor's own.
enum class Touche { PagePrecedente, PageSuivante, Gauche, Droite, Haut, Bas, Autre };

// A key pressed in the editor (before the editor handles it).
void FicheSaisieKeyDown(ContexteSaisie& c, Touche touche);

// A character typed in the editor: Ctrl+D (4), Ctrl+Enter (10), Ctrl+L (12), Enter (13) and
// Escape (27) act; any other character is the editor's to insert. True when the character
// was one of these (the editor must not insert it).
bool FicheSaisieKeyPress(ContexteSaisie& c, char32_t caractere);

} // namespace tarvo
