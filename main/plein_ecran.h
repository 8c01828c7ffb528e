#pragma once

// F11 and --fullscreen: the window fills the screen, then comes back at the size and place it
// had before.
void basculerPleinEcran();
bool enPleinEcran();
