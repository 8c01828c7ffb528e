#include "fichier.h"

#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {
// Closes the descriptor on every way out.
struct Descripteur {
    int fd;
    ~Descripteur() {
        if (fd >= 0)
            close(fd);
    }
};
} // namespace

bool lireFichierEntier(const char *nomFichier, ContenuFichier &contenu) {
    contenu = ContenuFichier{};
    if (!nomFichier)
        return false;
    Descripteur fichier{open(nomFichier, O_RDONLY | O_CLOEXEC)};
    if (fichier.fd < 0)
        return false;
    struct stat etat {};
    if (fstat(fichier.fd, &etat) != 0 || !S_ISREG(etat.st_mode) || etat.st_size <= 0)
        return false;
    if (static_cast<std::uintmax_t>(etat.st_size) > SIZE_MAX)
        return false;
    const auto taille = static_cast<std::size_t>(etat.st_size);
    BlocDIB<unsigned char> octets(static_cast<unsigned char *>(allouerDIB(taille)));
    if (!octets)
        return false;
    // The file may change size under us: keep only what was really read, and refuse a file that
    // became empty.
    std::size_t lus = 0;
    while (lus < taille) {
        const ssize_t n = read(fichier.fd, octets.get() + lus, taille - lus);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        lus += static_cast<std::size_t>(n);
    }
    if (lus == 0)
        return false;
    contenu.octets = std::move(octets);
    contenu.taille = lus;
    return true;
}
