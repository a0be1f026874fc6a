#pragma once

#include "document/Document.h"
#include "optics/LignesValidees.h"
#include "optics/ResumeSerie.h"

#include <string>
#include <vector>

namespace tarvo {

// Where the history page gets its lines: every series of the document, which the program
// reads from the file (only one series is in memory).
class SourceHistorique {
  public:
    virtual ~SourceHistorique() = default;
    // Every series of the document in order: those of its file, the one in memory in its
    // place (the last one, or a new one after them).
    virtual const std::vector<ResumeSerie>& Series(const Document& doc) = 0;
};

// A mean of several series shown in place of the series in memory: its label for the page
// headers, its pooled lines for the bootstrap, and its line of the history. The numbers of
// its series, when given, write the label again in the user's language.
struct MoyenneAffichee {
    std::string Libelle;
    LignesValidees Lignes;
    ResumeSerie Resume;
    std::vector<int> Sources{};
};

} // namespace tarvo
