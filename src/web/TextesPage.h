#pragma once

#include <string>

namespace tarvo {

class Systeme;

// The texts the page's script shows (its boxes, buttons and hints), by name, in the
// interface's language, as a JSON object.
std::string TextesPageJson(Systeme& systeme);

} // namespace tarvo
