#pragma once

#include "document/Document.h"
#include "optics/LignesValidees.h"
#include "platform/Systeme.h"

#include <optional>
#include <string>
#include <vector>

namespace tarvo {

// Why a series cannot be averaged with the reference one (the first chosen): no validated
// line, or another diameter, focal length or hole, which would mix readings of different
// mirrors' zones; nothing when it can. The zone count is the document's, the same for all.
// In French, or in the system's language with its decimal separator.
std::optional<std::string> MotifIncompatible(const Document& reference, const Document& serie,
                                             char separateur);
std::optional<std::string> MotifIncompatible(const Document& reference, const Document& serie,
                                             Systeme& systeme);
// Why a series cannot be averaged at all: it has no validated line.
std::optional<std::string> MotifSansLigne(const Document& serie);
std::optional<std::string> MotifSansLigne(const Document& serie, Systeme& systeme);

// The mean of several series of one document, each given as the document the reader left
// after it: every validated line of every source, each diameter apart, pooled; the series of
// the mean is the first source's with, as its means, the mean of every pooled reading of
// each zone and diameter, and as its line counts the pooled counts (above ten when the
// sources have more). Lines 1..10 hold the first ten pooled lines of each diameter.
struct MoyenneDeSeries {
    std::vector<int> Sources;
    Document Serie;
    LignesValidees Lignes;
    // "Moyenne des séries 2, 3, 5", in French: it is the comment the mean is saved with.
    std::string Libelle;
};
MoyenneDeSeries CalculeMoyenne(const std::vector<const Document*>& sources);

// "Moyenne des séries 2, 3, 5" for these numbers, in French or in the system's language.
std::string LibelleMoyenne(const std::vector<int>& sources);
std::string LibelleMoyenne(const std::vector<int>& sources, Systeme& systeme);

} // namespace tarvo
