#include "posix/FichiersPosix.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvo {

namespace {

// Syncs the folder holding a file so that a rename survives a power cut.
void SynchroniseDossier(const std::string& chemin) {
    const auto barre = chemin.find_last_of('/');
    const std::string dossier = barre == std::string::npos ? "." : chemin.substr(0, barre + 1);
    const int fd = ::open(dossier.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

std::string CheminSysteme(const std::string& chemin) {
    const auto fin = chemin.find_last_not_of(' ');
    return fin == std::string::npos ? std::string() : chemin.substr(0, fin + 1);
}

std::optional<std::string> FichiersPosix::Lit(const std::string& chemin) {
    const std::string nom = CheminSysteme(chemin);
    if (nom.empty()) return std::nullopt;
    const int fd = ::open(nom.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat etat {};
    if (::fstat(fd, &etat) != 0 || !S_ISREG(etat.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    // Read straight into the text, sized to the file (which may still grow or shrink).
    std::string contenu;
    std::size_t lu = 0;
    contenu.resize(static_cast<std::size_t>(etat.st_size) + 1);
    for (;;) {
        if (lu == contenu.size()) contenu.resize(contenu.size() * 2);
        const ssize_t n = ::read(fd, contenu.data() + lu, contenu.size() - lu);
        if (n < 0) {
            if (errno == EINTR) continue;
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0) break;
        lu += static_cast<std::size_t>(n);
    }
    contenu.resize(lu);
    if (::close(fd) != 0) return std::nullopt;
    return contenu;
}

bool FichiersPosix::Identique(const std::string& chemin, std::string_view contenu) {
    const std::string nom = CheminSysteme(chemin);
    if (nom.empty()) return false;
    const int fd = ::open(nom.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat etat {};
    bool identique = ::fstat(fd, &etat) == 0 && S_ISREG(etat.st_mode) &&
                     static_cast<std::size_t>(etat.st_size) == contenu.size();
    // Compared piece by piece as it is read: a large document is not copied whole.
    char tampon[1 << 16];
    std::size_t lu = 0;
    while (identique) {
        const ssize_t n = ::read(fd, tampon, sizeof tampon);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            identique = n == 0 && lu == contenu.size();
            break;
        }
        const auto k = static_cast<std::size_t>(n);
        identique = lu + k <= contenu.size() && std::memcmp(tampon, contenu.data() + lu, k) == 0;
        lu += k;
    }
    ::close(fd);
    return identique;
}

bool FichiersPosix::Ecrit(const std::string& chemin, std::string_view contenu) {
    const std::string nom = CheminSysteme(chemin);
    if (nom.empty()) return false;
    const int fd = ::open(nom.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    std::size_t ecrit = 0;
    while (ecrit < contenu.size()) {
        const ssize_t n = ::write(fd, contenu.data() + ecrit, contenu.size() - ecrit);
        if (n < 0) {
            if (errno == EINTR) continue;
            ::close(fd);
            return false;
        }
        ecrit += static_cast<std::size_t>(n);
    }
    const bool synchronise = ::fsync(fd) == 0;
    const bool ferme = ::close(fd) == 0;
    return synchronise && ferme;
}

bool FichiersPosix::Existe(const std::string& chemin) {
    const std::string nom = CheminSysteme(chemin);
    struct stat etat {};
    return !nom.empty() && ::stat(nom.c_str(), &etat) == 0;
}

NatureChemin FichiersPosix::Nature(const std::string& chemin) {
    const std::string nom = CheminSysteme(chemin);
    struct stat etat {};
    if (nom.empty() || ::stat(nom.c_str(), &etat) != 0) return NatureChemin::Absent;
    if (S_ISDIR(etat.st_mode)) return NatureChemin::Dossier;
    return ::access(nom.c_str(), R_OK) == 0 ? NatureChemin::Fichier : NatureChemin::Illisible;
}

bool FichiersPosix::Supprime(const std::string& chemin) {
    const std::string nom = CheminSysteme(chemin);
    if (nom.empty() || ::unlink(nom.c_str()) != 0) return false;
    SynchroniseDossier(nom);
    return true;
}

bool FichiersPosix::Renomme(const std::string& ancien, const std::string& nouveau) {
    const std::string de = CheminSysteme(ancien);
    const std::string vers = CheminSysteme(nouveau);
    if (de.empty() || vers.empty()) return false;
    if (::renameat2(AT_FDCWD, de.c_str(), AT_FDCWD, vers.c_str(), RENAME_NOREPLACE) != 0) {
        // File systems without the no-replace rename: a hard link never replaces either.
        if (errno != EINVAL && errno != ENOSYS) return false;
        if (::link(de.c_str(), vers.c_str()) != 0) return false;
        if (::unlink(de.c_str()) != 0) {
            ::unlink(vers.c_str());
            return false;
        }
    }
    SynchroniseDossier(vers);
    return true;
}

} // namespace tarvo
