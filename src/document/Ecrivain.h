#pragma once

#include "platform/Traduction.h"

#include <string>
#include <string_view>

namespace tarvo {

struct Document;
class Fichiers;
class Dialogues;
class Systeme;

inline constexpr const char* TitreFichierTemporaire =
    TARVO_NOOP("Programme", "Tarvo - Fichier temporaire");

// The name with its three-letter extension replaced (miroir.bdc gives miroir.tmp); a name
// without such an extension gets one appended.
std::string RemplaceExtension(const std::string& nom, std::string_view extension);

// `NomTemporaire` of a destination: the destination with its extension replaced by "tmp".
// Never the name of the document file itself.
std::string NomTemporaire(const std::string& destination, const std::string& source);

// Writes the temporary file of `destination`: the characteristics and the series in memory
// from the model, the older series copied line by line from the document file `NomFichier`
// (converted to the current layout). Shows its own messages. True only when the temporary
// file holds the whole document, flushed to the disk; on any error nothing is left of it.
// The messages are in the language of `systeme`.
bool EcritDocument(Document& doc, const std::string& destination, Fichiers& fichiers,
                   Dialogues& dialogues, Systeme& systeme);

} // namespace tarvo
