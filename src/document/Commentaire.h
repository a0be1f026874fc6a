#pragma once

#include <functional>
#include <string>

namespace tarvo {

// How a version-2 comment is taken from a file, shared by the reader and by the writer's
// copy of older series, so that both end a comment on the same line.
struct LignesDeCommentaire {
    // Reads the next line into the line variable; a read that cannot happen leaves it.
    std::function<void()> LireLigne;
    // The line variable.
    const std::string* Ligne = nullptr;
    // False at the end of the file, or once a number was rejected: no more line comes.
    std::function<bool()> Lisible;
};

// Reads the comment of a series and its separator; returns the comment's text, lines joined
// with CR LF. An empty line inside a comment still open is one of its blank lines.
std::string LitCommentaire(const LignesDeCommentaire& source);

} // namespace tarvo
