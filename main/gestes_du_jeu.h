#pragma once

#include "gestes.h"

// Carries out a gesture of a key or a pad: the sitting's on the match, this machine's here (l
// sways the camera, m switches the sound with a notice, F11 full screen).
void executer(Geste geste);
