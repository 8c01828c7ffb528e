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

void *allouerAligneDIB(std::size_t taille, std::size_t alignement) {
    if (allocateurCourant != allouerParMalloc)
        return allocateurCourant(taille);
    void *bloc = nullptr;
    return posix_memalign(&bloc, alignement, taille) == 0 ? bloc : nullptr;
}

AllocateurDIB remplacerAllocateurDIB(AllocateurDIB allocateur) {
    AllocateurDIB ancien = allocateurCourant;
    allocateurCourant = allocateur ? allocateur : allouerParMalloc;
    return ancien;
}
