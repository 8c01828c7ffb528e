#pragma once

// Where the decoder's messages go. The game writes them to standard error; the fuzzer, which
// provokes millions of them, sends them nowhere.
using SortieMessages = void (*)(const char *texte);

// Installs another destination (null puts standard error back); returns the one it replaces.
SortieMessages remplacerSortieMessages(SortieMessages sortie);
