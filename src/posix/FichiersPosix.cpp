#include "posix/FichiersPosix.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>

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

ResultatEcriture Echec(int erreur) {
    return {CauseDeErreur(erreur), erreur};
}

// Every byte, through short writes and interruptions; 0 or the error number.
int EcritToutSur(int fd, std::string_view contenu) {
    std::size_t ecrit = 0;
    while (ecrit < contenu.size()) {
        const ssize_t n = ::write(fd, contenu.data() + ecrit, contenu.size() - ecrit);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (n == 0) return EIO;
        ecrit += static_cast<std::size_t>(n);
    }
    return 0;
}

// The file an output replaces: a link is followed, so that the link stays and its file is
// replaced; a name not there yet is itself.
std::string CibleReelle(const std::string& nom) {
    struct stat lien {};
    if (::lstat(nom.c_str(), &lien) != 0 || !S_ISLNK(lien.st_mode)) return nom;
    char reel[PATH_MAX];
    if (::realpath(nom.c_str(), reel) == nullptr) return nom;
    return reel;
}

// A new file beside `cible`, hidden, that no other process has: its descriptor and name.
int CreeTemporaire(const std::string& cible, mode_t mode, std::string& nom) {
    const auto barre = cible.find_last_of('/');
    const std::string dossier = barre == std::string::npos ? "" : cible.substr(0, barre + 1);
    const std::string base = barre == std::string::npos ? cible : cible.substr(barre + 1);
    auto graine = static_cast<unsigned long long>(
        std::chrono::steady_clock::now().time_since_epoch().count());
    for (int essai = 0; essai < 100; ++essai) {
        graine = graine * 6364136223846793005ULL + 1442695040888963407ULL;
        char suffixe[32];
        std::snprintf(suffixe, sizeof suffixe, ".%d.%06llx.tmp", static_cast<int>(::getpid()),
                      (graine >> 40) & 0xFFFFFF);
        nom = dossier + "." + base + suffixe;
        const int fd = ::open(nom.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

} // namespace

CauseEchec CauseDeErreur(int erreur) {
    switch (erreur) {
    case 0: return CauseEchec::Aucune;
    case ENOSPC:
    case EDQUOT: return CauseEchec::DisquePlein;
    case EACCES:
    case EPERM: return CauseEchec::AccesRefuse;
    case EISDIR: return CauseEchec::Dossier;
    case ENOENT:
    case ENOTDIR: return CauseEchec::DossierAbsent;
    case EROFS: return CauseEchec::LectureSeule;
    case EFBIG: return CauseEchec::TropGrand;
    case EPIPE: return CauseEchec::LecteurParti;
    case EBADF: return CauseEchec::SortieFermee;
    default: return CauseEchec::Autre;
    }
}

ResultatEcriture EcritDescripteur(int descripteur, std::string_view contenu) {
    if (const int erreur = EcritToutSur(descripteur, contenu)) return Echec(erreur);
    return {};
}

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

ResultatEcriture FichiersPosix::EcritSortie(const std::string& chemin,
                                            std::string_view contenu) {
    const std::string nom = CheminSysteme(chemin);
    if (nom.empty()) return Echec(ENOENT);
    const std::string cible = CibleReelle(nom);
    // Only a plain file is replaced: a folder or a device keeps its place.
    struct stat etat {};
    mode_t mode = 0666;
    const bool existante = ::stat(cible.c_str(), &etat) == 0;
    if (existante) {
        if (S_ISDIR(etat.st_mode)) return {CauseEchec::Dossier, EISDIR};
        if (!S_ISREG(etat.st_mode)) return {CauseEchec::PasUnFichier, 0};
        // The replaced file's permissions carry over; a new one takes the umask's.
        mode = etat.st_mode & 07777;
    }
    std::string temporaire;
    const int fd = CreeTemporaire(cible, mode, temporaire);
    if (fd < 0) return Echec(errno);
    if (existante) ::fchmod(fd, mode);
    int erreur = EcritToutSur(fd, contenu);
    if (erreur == 0 && ::fsync(fd) != 0) erreur = errno;
    if (::close(fd) != 0 && erreur == 0) erreur = errno;
    if (erreur == 0 && ::rename(temporaire.c_str(), cible.c_str()) != 0) erreur = errno;
    if (erreur != 0) {
        ::unlink(temporaire.c_str());
        return Echec(erreur);
    }
    SynchroniseDossier(cible);
    return {};
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
