#pragma once

#include "cli/DialoguesEnregistres.h"
#include "document/Document.h"
#include "support/FichiersMemoire.h"

#include <string>
#include <vector>

namespace tarvo::test {

// One series as a test writes it into a file.
struct SerieTest {
    std::string Date = "46300";
    std::string Diametre = "200";
    std::string Focale = "1200";
    std::string Trou = "0";
    // Readings of line 1 of diameter 1 (the other lines are zero and not validated).
    std::vector<std::string> Lecture1 = {"1,235", "1,452"};
    std::vector<std::string> Commentaire = {"\"\""};
};

// Lines of a version-2 file of two zones (radii 50 and 100) holding the given series.
std::vector<std::string> FichierVersion2(const std::vector<SerieTest>& series,
                                         const std::string& signature = "tarvo 2.5.3",
                                         const std::string& trou = "0");

// The lines joined with CR LF, a final line end included.
std::string Joint(const std::vector<std::string>& lignes);

// A document read from a file held in memory, as the Open command reads it.
struct Lu {
    Document doc;
    DialoguesEnregistres dialogues;
};
void Ouvre(Lu& lu, FichiersMemoire& fichiers, const std::string& nom, int serie = -1);

} // namespace tarvo::test
