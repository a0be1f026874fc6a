#pragma once

#include <functional>

namespace tarvo {

class FenetrePrincipale;
class Traducteur;

// Runs the windowed program: the Qt application, the main window started on the document
// named by the remaining arguments, the event loop. Returns the exit status. `affichee`, when
// given, runs once the window is shown, in the event loop (the start-up measures use it).
// The interface speaks the language of `traducteur`, which outlives the window.
int LanceFenetre(int& argc, char** argv, const Traducteur& traducteur,
                 const std::function<void(FenetrePrincipale&)>& affichee = {});

} // namespace tarvo
