#pragma once

#include "platform/Dialogues.h"

#include <optional>
#include <vector>

class QWidget;

namespace tarvo {

class Systeme;

// A list of check boxes over `parent`: each box checkable or greyed with its reason, the
// states asked again at each change, OK once enough boxes are checked; the buttons in the
// language of `systeme`.
std::optional<std::vector<int>> ChoisitDansListeQt(QWidget* parent, const DialogueListe& dialogue,
                                                   Systeme& systeme);

} // namespace tarvo
