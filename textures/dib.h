#pragma once

#include "image_rgb.h"

// Reads a Windows bitmap file and decodes it. Every failure is shown to the user in one message
// before null is returned.
imageRGB *chargerImageDIB(const char *nomFichier);
