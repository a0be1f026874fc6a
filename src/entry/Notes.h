#pragma once

#include "document/Document.h"

#include <string>

namespace tarvo {

// A character typed in the comment memo, before the memo inserts it: the document is
// modified, the comment is the memo's text so far, and the character the memo must insert
// comes back (a double quote becomes a grave accent, so that no quote reaches the file from
// the keyboard; Enter becomes a line feed).
char32_t ToucheNote(Document& doc, const std::string& texteMemo, char32_t caractere);

// The memo's text changed: it is the comment of the series (line breaks CR LF).
void NoteChangee(Document& doc, const std::string& texteMemo);

} // namespace tarvo
