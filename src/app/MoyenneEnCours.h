#pragma once

#include "document/Document.h"
#include "optics/MoyenneSeries.h"
#include "pages/commun/SourceHistorique.h"

#include <optional>
#include <string>
#include <vector>

namespace tarvo {

class Fichiers;
class Systeme;

// A mean of several series shown in place of the series in memory: computed, never stored
// unless the user asks, and dropped by any command that leaves it. Its label and comment
// are shown in the user's language; the comment that goes into the file when it is saved as
// a series is French in every language, as everything the file holds.
struct MoyenneEnCours {
    MoyenneDeSeries Calcul;
    MoyenneAffichee Affichage;
    std::string CommentaireEnregistre;
};

// Every series of the document's file as the reader leaves it, in order (empty when the
// file cannot be read).
std::vector<Document> SeriesDuFichier(Fichiers& fichiers, const std::string& nom);

// "10 + 9 lignes": the validated lines of each diameter, in the language of `systeme`
// (French without one).
std::string LignesDeSerie(const Document& serie, Systeme* systeme = nullptr);

// The mean of these series (two or more, all agreeing), ready to be shown: a document whose
// series cannot be typed over (shown as an older series of `nombreSeries`), its comment
// naming the sources and their lines, its history line.
MoyenneEnCours PrepareMoyenne(const std::vector<const Document*>& sources, int nombreSeries,
                              Systeme& systeme);

// The mean of the series numbered `numeros` among `series`, or why it cannot be made: a
// number the document does not have, a series named twice, fewer than two, a series that
// does not agree with the first one named. The reason is in the language of `systeme`, whose
// decimal separator the lengths take.
struct ChoixMoyenne {
    std::optional<MoyenneEnCours> Moyenne;
    std::string Erreur;
};
ChoixMoyenne MoyenneDesSeries(const std::vector<Document>& series, const std::vector<int>& numeros,
                              Systeme& systeme);

} // namespace tarvo
