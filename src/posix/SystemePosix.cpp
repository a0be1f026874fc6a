#include "posix/SystemePosix.h"

#include "document/Dates.h"

#include <climits>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvo {

double SystemePosix::Aujourdhui() {
    const std::time_t maintenant = std::time(nullptr);
    std::tm local{};
    localtime_r(&maintenant, &local);
    double jour = 0;
    JourDeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, jour);
    return jour;
}

std::string SystemePosix::RepertoireConfiguration() {
    std::string dossier;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && xdg[0] == '/')
        dossier = xdg;
    else if (const char* maison = std::getenv("HOME"); maison != nullptr && maison[0] != '\0')
        dossier = std::string(maison) + "/.config";
    else
        dossier = ".";
    if (dossier.back() != '/') dossier += '/';
    // A fresh account may not have the folder yet; the settings are written there at exit.
    for (std::size_t barre = dossier.find('/', 1); barre != std::string::npos;
         barre = dossier.find('/', barre + 1))
        ::mkdir(dossier.substr(0, barre).c_str(), 0700);
    return dossier;
}

std::string SystemePosix::RepertoireExecutable() {
    char chemin[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", chemin, sizeof chemin - 1);
    if (n <= 0) return "./";
    std::string s(chemin, static_cast<std::size_t>(n));
    return s.substr(0, s.find_last_of('/') + 1);
}

std::string SystemePosix::DateCourte(double jours) { return TexteJourMoisAnnee(jours); }

} // namespace tarvo
