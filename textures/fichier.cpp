#include "fichier.h"
#include "entete_dib.h"

#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// The file header, then the longest header with its masks and colour table.
constexpr std::size_t longueurDebutMaximale = 14 + longueurMaximaleEntete;
} // namespace

FichierDIB::~FichierDIB() {
    if (fd_ >= 0)
        close(fd_);
}

bool FichierDIB::ouvrir(const char *nomFichier) {
    if (!nomFichier)
        return false;
    fd_ = open(nomFichier, O_RDONLY | O_CLOEXEC);
    if (fd_ < 0)
        return false;
    struct stat etat {};
    if (fstat(fd_, &etat) != 0 || !S_ISREG(etat.st_mode) || etat.st_size <= 0)
        return false;
    if (static_cast<std::uintmax_t>(etat.st_size) > SIZE_MAX)
        return false;
    taille_ = static_cast<std::size_t>(etat.st_size);
    // The pixels are read once, from start to end.
    posix_fadvise(fd_, 0, 0, POSIX_FADV_SEQUENTIAL);

    const std::size_t voulus = taille_ < longueurDebutMaximale ? taille_ : longueurDebutMaximale;
    debut_.reset(static_cast<unsigned char *>(allouerDIB(voulus)));
    if (!debut_)
        return false;
    // The file may have changed size since: keep what was really read, and refuse a file that
    // became empty. A file that became shorter then fails when its pixels are read.
    while (longueurDebut_ < voulus) {
        const ssize_t n = pread(fd_, debut_.get() + longueurDebut_, voulus - longueurDebut_,
                                static_cast<off_t>(longueurDebut_));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        longueurDebut_ += static_cast<std::size_t>(n);
    }
    if (longueurDebut_ < voulus)
        taille_ = longueurDebut_;
    return longueurDebut_ > 0;
}

bool FichierDIB::lire(std::size_t position, unsigned char *cible, std::size_t longueur) const {
    std::size_t lus = 0;
    while (lus < longueur) {
        const ssize_t n =
            pread(fd_, cible + lus, longueur - lus, static_cast<off_t>(position + lus));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        lus += static_cast<std::size_t>(n);
    }
    return true;
}
