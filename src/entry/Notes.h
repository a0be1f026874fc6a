#pragma once

#include "document/Document.h"

#include <string>

namespace tarvo {

// A character typed in the comment memo, before the memo inserts it: the document is
// modified, the comment is the memo's text so far, and the character the memo must insert
// comes back (a double quote becomes a grave accent, so that no quote reaches the file from
// the keyboard; Enter becomes a line feed).
char32_t ToucheNote(Document& doc, const std::string& texteMemo, char32_t caractere);

// The memo's text changed: it is the comment of the series (line breaks CR LF). A double
// quote pasted in becomes a grave accent, as a typed one does: the file's comments are
// quoted, and a quote inside would end them. Returns the comment, which the memo must show
// when it differs from its text.
std::string NoteChangee(Document& doc, const std::string& texteMemo);

// The comment as saving writes it and reading gives it back (leading empty lines and
// trailing line breaks dropped), put in the document before a save so that what is in
// memory is what the file holds.
void NormaliseCommentaire(Document& doc);

} // namespace tarvo
