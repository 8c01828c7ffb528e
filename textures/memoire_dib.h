#pragma once

#include <cstddef>
#include <cstdlib>
#include <memory>

// Every block the decoder obtains goes through here, so that a test can make any one of them fail.
// The allocator must hand out memory that free() releases: the picture leaves the decoder.
using AllocateurDIB = void *(*)(std::size_t taille);

void *allouerDIB(std::size_t taille);

// Installs another allocator (null puts malloc back); returns the one it replaces.
AllocateurDIB remplacerAllocateurDIB(AllocateurDIB allocateur);

struct LibererDIB {
    void operator()(void *bloc) const { std::free(bloc); }
};

// A block the decoder holds until it either hands it over or gives up.
template <typename T> using BlocDIB = std::unique_ptr<T, LibererDIB>;
