#pragma once

#include <cstddef>

#include "memoire_dib.h"

// The whole content of a file, read at once.
struct ContenuFichier {
    BlocDIB<unsigned char> octets;
    std::size_t taille = 0;
};

// False when the file is missing, unreadable, not a regular file (a directory, say), empty, or too
// big to hold in memory.
bool lireFichierEntier(const char *nomFichier, ContenuFichier &contenu);
