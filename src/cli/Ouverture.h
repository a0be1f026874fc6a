#pragma once

#include <optional>
#include <string>

namespace tarvo {

struct Document;
class Fichiers;
class Dialogues;
class Systeme;

// Opens a document as the Open command does, without a window: reset, read to the last
// series, `NombreSeries` := `SerieCourante`. With a series number it then browses to that
// series as the series arrows do (a second read without reset). False when the open failed
// (file missing, refused, or its last integer rejected); the name is then forgotten. The
// messages are in the language of `systeme` (French without one).
bool OuvreDocumentSansFenetre(Document& doc, const std::string& nom, double aujourdhui,
                              std::optional<int> serie, Fichiers& fichiers, Dialogues& dialogues,
                              Systeme* systeme = nullptr);

} // namespace tarvo
