#pragma once

#include <cstddef>
#include <cstdlib>
#include <memory>

// Every block the decoder obtains goes through here, so that a test can make any one of them fail.
// The allocator must hand out memory that free() releases: the picture leaves the decoder.
using AllocateurDIB = void *(*)(std::size_t taille);

void *allouerDIB(std::size_t taille);

// The same, for a block that is to be written whole at once and is better placed at the start of
// a huge page when it is large (malloc's own blocks begin anywhere): with malloc, from
// posix_memalign, which free() releases as well; through the installed allocator otherwise.
void *allouerAligneDIB(std::size_t taille, std::size_t alignement);

// Installs another allocator (null puts malloc back); returns the one it replaces.
AllocateurDIB remplacerAllocateurDIB(AllocateurDIB allocateur);

struct LibererDIB {
    void operator()(void *bloc) const { std::free(bloc); }
};

// A block the decoder holds until it either hands it over or gives up.
template <typename T> using BlocDIB = std::unique_ptr<T, LibererDIB>;
