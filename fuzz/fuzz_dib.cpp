// libFuzzer target: the in-memory decoding of a bitmap file, under ASan and UBSan. Besides
// memory errors it stops on a broken promise of the decoder: a picture of impossible size, or a
// call that did not show exactly one message on failure and none on success.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "dib.h"
#include "memoire_dib.h"
#include "message.h"

namespace {
int messages = 0;

void compterMessage(const char *, const char *) {
    ++messages;
}

// The sanitizer maps every block above 128 KiB afresh, and on a virtual machine each fresh page
// costs a fault of some 15 microseconds: the 3 MiB picture that a few bytes of run lengths may
// claim would make most of the time. Blocks above 256 KiB are refused as out of memory, a failure
// the decoder must report like any other; the pictures that stay (up to some 87,000 pixels, a
// 1-bit row of 65,536) go through the same code as the larger ones.
void *allouerSansGrandsBlocs(std::size_t taille) {
    return taille > 256 * 1024 ? nullptr : std::malloc(taille);
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    remplacerSortieMessages(compterMessage);
    remplacerAllocateurDIB(allouerSansGrandsBlocs);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *octets, std::size_t taille) {
    messages = 0;
    imageRGB *image = decoderImageDIB(octets, taille);
    if (!image) {
        if (messages != 1)
            std::abort();
        return 0;
    }
    if (messages != 0 || image->largeur <= 0 || image->hauteur <= 0 || !image->donnees)
        std::abort();
    // Touch the whole block: ASan stops us if it is smaller than width x height x 3.
    const std::size_t longueur =
        static_cast<std::size_t>(image->largeur) * static_cast<std::size_t>(image->hauteur) * 3;
    unsigned somme = 0;
    for (std::size_t i = 0; i < longueur; i += 61)
        somme += image->donnees[i];
    somme += image->donnees[longueur - 1];
    volatile unsigned garde = somme;
    (void)garde;
    std::free(image->donnees);
    std::free(image);
    return 0;
}
