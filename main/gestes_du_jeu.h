#pragma once

#include "gestes.h"

// Carries out a gesture of a key or a pad: the sitting's on the match (or, over the network, as the
// network has it), this machine's here (l sways the camera, m switches the sound with a notice,
// F11 full screen, F5 hosts, F6 opens the field to join).
void executer(Geste geste);
