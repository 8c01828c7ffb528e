#pragma once

// ALSA writes its own errors on standard error ("ALSA lib pcm.c: ... Unknown PCM ..."), several
// lines for a machine without a sound card, before SDL can say anything. Gives the ALSA library
// that SDL will load a handler that drops them; the game says what matters in its own line.
// Does nothing when ALSA is not installed.
void faireTaireAlsa();
