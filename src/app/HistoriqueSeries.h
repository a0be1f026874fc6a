#pragma once

#include "pages/commun/SourceHistorique.h"
#include "platform/Fichiers.h"

#include <string>
#include <vector>

namespace tarvo {

// The lines of the history page: the series of the document's file, read and reduced once
// for each content of the file (a redraw, a page of the table, a click read nothing again),
// and the series in memory in its place, reduced at each call since it changes as it is
// typed.
class HistoriqueSeries final : public SourceHistorique {
  public:
    explicit HistoriqueSeries(Fichiers& fichiers) : Fichiers_(fichiers) {}

    const std::vector<ResumeSerie>& Series(const Document& doc) override;

  private:
    Fichiers& Fichiers_;
    std::string Nom;
    std::string Contenu;
    std::vector<ResumeSerie> DuFichier;
    std::vector<ResumeSerie> Lignes;
};

} // namespace tarvo
