#pragma once

#include <cstddef>

#include "memoire_dib.h"

// A bitmap file opened for decoding: its length when it was opened, and its first bytes (all of
// them for a small file, else enough for any header and colour table). The pixels are read later,
// a piece at a time, straight into the conversion: the file is never held whole in memory.
class FichierDIB {
public:
    FichierDIB() = default;
    ~FichierDIB();
    FichierDIB(const FichierDIB &) = delete;
    FichierDIB &operator=(const FichierDIB &) = delete;

    // False when the file is missing, unreadable, not a regular file (a directory, say), empty
    // (also one that became empty before its first bytes could be read), too big to address, or
    // when no memory holds its first bytes.
    bool ouvrir(const char *nomFichier);

    std::size_t taille() const { return taille_; }
    unsigned char *debut() { return debut_.get(); }
    std::size_t longueurDebut() const { return longueurDebut_; }

    // Reads exactly `longueur` bytes from `position` into `cible`; false when the file has become
    // shorter than that, or cannot be read.
    bool lire(std::size_t position, unsigned char *cible, std::size_t longueur) const;

private:
    int fd_ = -1;
    std::size_t taille_ = 0;
    BlocDIB<unsigned char> debut_;
    std::size_t longueurDebut_ = 0;
};
