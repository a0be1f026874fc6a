#pragma once

#include "document/Document.h"
#include "optics/LignesValidees.h"

#include <optional>
#include <string>
#include <vector>

namespace tarvo {

class Systeme;

// Why a series cannot be averaged with the reference one (the first chosen): no validated
// line, or another diameter, focal length or hole, which would mix readings of different
// mirrors' zones; nothing when it can. The zone count is the document's, the same for all.
// The reason is in the language of `systeme`, in French without one.
std::optional<std::string> MotifIncompatible(const Document& reference, const Document& serie,
                                             char separateur, Systeme* systeme = nullptr);
// Why a series cannot be averaged at all: it has no validated line.
std::optional<std::string> MotifSansLigne(const Document& serie, Systeme* systeme = nullptr);

// The mean of several series of one document, each given as the document the reader left
// after it: every validated line of every source, each diameter apart, pooled; the series of
// the mean is the first source's with, as its means, the mean of every pooled reading of
// each zone and diameter, and as its line counts the pooled counts (above ten when the
// sources have more). Lines 1..10 hold the first ten pooled lines of each diameter.
struct MoyenneDeSeries {
    std::vector<int> Sources;
    Document Serie;
    LignesValidees Lignes;
    // "Moyenne des séries 2, 3, 5".
    std::string Libelle;
};
MoyenneDeSeries CalculeMoyenne(const std::vector<const Document*>& sources);

// "Moyenne des séries 2, 3, 5" for these numbers, in the language of `systeme` (French
// without one).
std::string LibelleMoyenne(const std::vector<int>& sources, Systeme* systeme = nullptr);

} // namespace tarvo
