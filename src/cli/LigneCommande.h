#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace tarvo {

class Fichiers;
class Systeme;

// What the headless command line was asked to do.
struct OptionsCli {
    enum class Mode { Json, EnregistreSous, Zones, Csv, Pdf, Png };
    Mode ModeCli = Mode::Json;
    std::string Fichier;      // the document
    // The arguments that name it (more than one: a path with blanks split, or an error).
    std::vector<std::string> Documents;
    std::string Sortie;       // OUT of --save-as, --pdf, --png
    std::optional<int> Serie; // --series N
    bool Ecrase = false;      // --overwrite
    double ZonesDiametre = 0, ZonesFocale = 0, ZonesTrou = 0;
    std::string Page;                        // --page
    std::optional<std::vector<int>> Moyenne; // --moyenne 2,3,5
    bool Historique = false;                 // --historique (with --csv)
    // The simulated shadows' settings (with --page ombres): --zone, --lpi, --decalage.
    std::optional<int> ZoneCouteau;
    std::optional<double> LignesParPouce;
    std::optional<double> Decalage;
};

struct AnalyseCli {
    // False: no headless option was given, the window program starts with the arguments.
    bool SansFenetre = false;
    std::optional<OptionsCli> Options;
    // Set on a usage error.
    std::string Erreur;
};

// The errors are in the language of `systeme`.
AnalyseCli AnalyseLigneCommande(const std::vector<std::string>& arguments, Systeme& systeme);

// Usage text of the headless command line, in the language of `systeme`.
std::string UsageCli(Systeme& systeme);

// Why the command cannot go on with the document the line names, before it runs: several
// documents (exit 2; a path with blanks split in several arguments is taken whole when that
// file exists), a folder, a file that may not be read, a series past the document's last
// (exit 1). Code 0: it may go on. A missing file is left to the command, which says so as
// the Open command does. The message is in the language of `systeme`, which gives today too.
struct RefusCli {
    int Code = 0;
    std::string Message;
};
RefusCli VerifieDocument(const OptionsCli& options, Fichiers& fichiers, Systeme& systeme);

struct ContexteCli {
    Fichiers& fichiers;
    Systeme& systeme;
    std::ostream& sortie;
    std::ostream& erreurs;
};

// Runs a headless command that needs no toolkit (--json, --save-as, --zones, --csv).
// Exit status: 0 success, 1 failure, 2 usage error.
int ExecuteCommande(const OptionsCli& options, ContexteCli& contexte);

} // namespace tarvo
