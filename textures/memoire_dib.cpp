#include "memoire_dib.h"

namespace {
void *allouerParMalloc(std::size_t taille) {
    return std::malloc(taille);
}

AllocateurDIB allocateurCourant = allouerParMalloc;
} // namespace

void *allouerDIB(std::size_t taille) {
    return allocateurCourant(taille);
}

AllocateurDIB remplacerAllocateurDIB(AllocateurDIB allocateur) {
    AllocateurDIB ancien = allocateurCourant;
    allocateurCourant = allocateur ? allocateur : allouerParMalloc;
    return ancien;
}
