#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvo {

// How a version-2 comment is taken from a file, shared by the reader and by the writer's
// copy of older series, so that both end a comment on the same line.
struct LignesDeCommentaire {
    // Reads the next line into the line variable; a read that cannot happen leaves it.
    std::function<void()> LireLigne;
    // The line variable.
    const std::string_view* Ligne = nullptr;
    // False at the end of the file, or once a number was rejected: no more line comes.
    std::function<bool()> Lisible;
};

// The lines of a comment as they must be written so that the reader finds its end where it
// is: trailing line breaks and leading empty lines dropped, and a blank added to an inner
// line that ends with a double quote (the reader would take it for the closing quote).
std::vector<std::string> LignesCommentaire(std::string commentaire);

// The comment as the file will give it back once written: its lines joined with CR LF.
std::string CommentaireRelu(const std::string& commentaire);

// Reads the comment of a series and its separator; returns the comment's text, lines joined
// with CR LF. An empty line inside a comment still open is one of its blank lines.
std::string LitCommentaire(const LignesDeCommentaire& source);

} // namespace tarvo
