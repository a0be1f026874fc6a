#pragma once

namespace tarvo {

// Runs the windowed program: the Qt application, the main window started on the document
// named by the remaining arguments, the event loop. Returns the exit status.
int LanceFenetre(int& argc, char** argv);

} // namespace tarvo
