#pragma once

#include "platform/Dialogues.h"

#include <optional>
#include <vector>

class QWidget;

namespace tarvo {

// A list of check boxes over `parent`, in French: each box checkable or greyed with its
// reason, the states asked again at each change, OK once enough boxes are checked.
std::optional<std::vector<int>> ChoisitDansListeQt(QWidget* parent, const DialogueListe& dialogue);

} // namespace tarvo
