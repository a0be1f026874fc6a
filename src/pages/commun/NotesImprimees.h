#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvo {

// The printed notes: the comment cut into at most four lines no wider than `largeurMax`
// (as `largeur` measures a text), breaking after a space; a carriage return or a line
// feed ends a line (a CR LF pair, or a LF after a LF, counts once). A word wider than the
// line, with no space before it on that line, stays whole. The result ends with its last
// non-empty line (empty when there is none); what does not fit in four lines is dropped.
std::vector<std::string> CoupeNotes(std::string_view texte, int largeurMax,
                                    const std::function<int(std::string_view)>& largeur);

} // namespace tarvo
