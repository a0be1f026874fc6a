#pragma once

#include "document/IndexSeries.h"
#include "pages/commun/SourceHistorique.h"
#include "platform/CalculsDeFond.h"
#include "platform/Fichiers.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace tarvo {

// The lines of the history page: the series of the document's file, each reduced once for
// each text it has (a redraw, a page of the table, a click reduce nothing again; after a save
// only the series whose lines changed), and the series in memory in its place, reduced at
// each call since it changes as it is typed. The file is read at each call, through the index
// of the series' places that the program's other reads share.
class HistoriqueSeries final : public SourceHistorique {
  public:
    // Without an index of the program's, one of its own.
    explicit HistoriqueSeries(Fichiers& fichiers, IndexSeries* index = nullptr)
        : Fichiers_(fichiers), Index_(index ? *index : Propre) {}

    const std::vector<ResumeSerie>& Series(const Document& doc) override;

    // With a background service, `PrepareEnFond` reduces the file's series not reduced yet
    // away from the interface, from the text the index holds now (after an open): the
    // history's first drawing then finds them. A drawing never waits for it: what it lacks it
    // reduces itself, and a result for a text changed since is dropped.
    void FixeCalculs(CalculsDeFond* calculs) { Calculs = calculs; }
    void PrepareEnFond();

  private:
    bool ReduitDuFichier();
    // The series of the file that have no line for their text yet.
    std::vector<int> AReduire() const;
    void Recoit(std::vector<std::pair<int, std::uint64_t>> versions,
                std::vector<ResumeSerie> lignes);

    Fichiers& Fichiers_;
    CalculsDeFond* Calculs = nullptr;
    IndexSeries Propre;
    IndexSeries& Index_;
    // The file's series, with the version of the text each was reduced from.
    std::vector<ResumeSerie> DuFichier;
    std::vector<std::uint64_t> Versions;
    // The text the older layouts' series were read through from (0: none).
    std::uint64_t VersionSequentielle = 0;
    std::vector<ResumeSerie> Lignes;
    // The lines taken from the file into `Lignes`, while they stay the same.
    std::size_t LignesCopiees = 0;
    bool Copiees = false;
};

} // namespace tarvo
