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

AnalyseCli AnalyseLigneCommande(const std::vector<std::string>& arguments);

// Usage text of the headless command line.
std::string UsageCli();

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
