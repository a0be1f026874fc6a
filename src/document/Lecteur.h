#pragma once

#include "platform/Traduction.h"

#include <functional>
#include <string>

namespace tarvo {

struct Document;
class IndexSeries;
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
// With an index, the file is still read, but the series asked for is read from its place
// when the text is the one the index knows (the document ends the same), and the index learns
// the places of the series read.
void LireDocument(Document& doc, Fichiers& fichiers, Dialogues& dialogues,
                  Systeme* systeme = nullptr, IndexSeries* index = nullptr);

// Every series of a document file's content, in order, each handed to `serie` with the
// document as the reader leaves it after that series: the file's characteristics, the
// series' values, its readings with their means, its comment in `Note`, its number in
// `SerieCourante`. Silent: a file the reader refuses, or a fault in it, gives the series
// read before it. The count of series handed.
int ParcourtSeries(const std::string& contenu, const std::function<void(const Document&)>& serie);

// Reads the index's text silently to the end of its list of series, from the last place known:
// true when the index then knows where every series of it begins (the two layouts with a
// list of series; an older layout's single series has no place).
bool PlaceToutesLesSeries(IndexSeries& index);

// Series `serie` of the index's text, read from its place and handed to `rendu` as
// `ParcourtSeries` hands it; nothing when the series is not one read whole. Reads the index
// only: several threads may read the series of one index at once.
void LitSeriePlacee(const IndexSeries& index, int serie,
                    const std::function<void(const Document&)>& rendu);

} // namespace tarvo
