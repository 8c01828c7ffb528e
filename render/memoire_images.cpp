#include "memoire_images.h"

#include <malloc.h>

void garderMemoireImages() {
    // Freed memory is handed back once 64 MiB of it lie unused at the heap's top: far more than a
    // frame's, far less than the game's.
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
}
