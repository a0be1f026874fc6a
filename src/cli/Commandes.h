#pragma once

#include "cli/LigneCommande.h"

namespace tarvo {

class Json;
struct Document;
struct LignesValidees;
struct MoyenneEnCours;

// One function per headless command, each in its own file.
int CommandeJson(const OptionsCli& options, ContexteCli& contexte);
int CommandeEnregistreSous(const OptionsCli& options, ContexteCli& contexte);
int CommandeZones(const OptionsCli& options, ContexteCli& contexte);
int CommandeCsv(const OptionsCli& options, ContexteCli& contexte);
int CommandeHistorique(const OptionsCli& options, ContexteCli& contexte);

// The mean that --moyenne names, of the document opened as `doc`: nothing, with the reason
// on the error stream, when the list names what the document cannot average.
std::optional<MoyenneEnCours> MoyenneDemandee(const OptionsCli& options, const Document& doc,
                                              ContexteCli& contexte);

// Writes the keys of the document as read (LigneEntete .. MotifErreur) into an open object.
void EcritJsonDocument(Json& json, const Document& doc);

// Writes the keys "Feuille", "Bulletin" and "Analyse" of the document's JSON: the work sheet,
// the test report and the figure analysis as the pages would compute them for the series in
// memory (the analysis with its bootstrap, at once). `lignes`, when given, are the series'
// validated lines (a mean's are more than its document holds).
void EcritJsonOptique(Json& json, Document& doc, const LignesValidees* lignes = nullptr);

} // namespace tarvo
