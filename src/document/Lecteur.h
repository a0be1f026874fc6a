#pragma once

namespace tarvo {

struct Document;
class Fichiers;
class Dialogues;

// Messages of the reader.
inline constexpr const char* TitreLecture = "Tarvo - Lecture d'un fichier";
inline constexpr const char* TitreOuverture = "Tarvo - Ouvrir un fichier";

// Reads the document file `NomFichier` into the model: the characteristics, then the series
// up to `SerieDemandee` (the last one when it is -1 or beyond the last). Sets `SerieCourante`,
// `FichierOuvert`, `NombreIncorrect`, `EntierIncorrect`, `MotifErreur`, `LigneEntete` and the
// Note text, and shows its messages itself. A zone count above 10 is refused as a corrupt
// file: nothing past it is read and `EntierIncorrect` is set so that the open fails.
void LireDocument(Document& doc, Fichiers& fichiers, Dialogues& dialogues);

} // namespace tarvo
