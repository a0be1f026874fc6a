#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvo {

// Text of a file as the program holds it (UTF-8): the bytes as UTF-8 when they are valid
// UTF-8 (a leading byte-order mark dropped), else as Windows-1252, the code page existing
// documents were written in.
std::string DecodeTexteFichier(std::string_view octets);
// The same text without a copy when the bytes are UTF-8: a view into them past the mark.
std::optional<std::string_view> TexteUtf8(std::string_view octets);

// Bytes of a file: Windows-1252 when every character has a place in it and the bytes read
// back as the same text, else UTF-8.
std::string EncodeTexteFichier(std::string_view texte);

// Lines of a text: CR LF or a lone LF ends a line; a line end at the very end of the text
// does not start another line.
std::vector<std::string_view> DecoupeLignes(std::string_view texte);

// Number of characters (not bytes) of a UTF-8 text.
std::size_t NombreCaracteres(std::string_view texte);

// The characters debut .. debut + nombre - 1 (counted from 0) of a UTF-8 text, cut to what
// the text holds.
std::string_view SousChaine(std::string_view texte, std::size_t debut, std::size_t nombre);

} // namespace tarvo
