#include "textures.h"

// Apart from the loader, so that the drawing code can read these without pulling it in.
unsigned int textureBois = 0;
unsigned int textureMetal = 0;
