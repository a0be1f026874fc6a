#pragma once

#include "platform/Traduction.h"

#include <functional>
#include <string>

namespace tarvo {

struct Document;
class Fichiers;
class Dialogues;
class Systeme;

// Titles of the reader's messages (translated where shown).
inline constexpr const char* TitreLecture = TARVO_NOOP("Programme", "Tarvo - Lecture d'un fichier");
inline constexpr const char* TitreOuverture = TARVO_NOOP("Programme", "Tarvo - Ouvrir un fichier");

// Reads the document file `NomFichier` into the model: the characteristics, then the series
// up to `SerieDemandee` (the last one when it is -1 or beyond the last). Sets `SerieCourante`,
// `FichierOuvert`, `NombreIncorrect`, `EntierIncorrect`, `MotifErreur`, `LigneEntete` and the
// Note text, and shows its messages itself. A zone count above 10 is refused as a corrupt
// file: nothing past it is read and `EntierIncorrect` is set so that the open fails.
// The messages are in the language of `systeme`, in French without one; `MotifErreur` is
// always the French one.
void LireDocument(Document& doc, Fichiers& fichiers, Dialogues& dialogues,
                  Systeme* systeme = nullptr);

// Every series of a document file's content, in order, each handed to `serie` with the
// document as the reader leaves it after that series: the file's characteristics, the
// series' values, its readings with their means, its comment in `Note`, its number in
// `SerieCourante`. Silent: a file the reader refuses, or a fault in it, gives the series
// read before it. The count of series handed.
int ParcourtSeries(const std::string& contenu, const std::function<void(const Document&)>& serie);

} // namespace tarvo
