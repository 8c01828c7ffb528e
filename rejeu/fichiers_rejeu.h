#pragma once

#include "format.h"

#include <cstddef>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>

// Where replays are kept: $XDG_DATA_HOME/cubefall/replays, or ~/.local/share/cubefall/replays
// when it is unset (or not an absolute path). Nothing without a home.
std::optional<std::filesystem::path> dossierRejeux();

// A new replay's name, from when its match began (local time): "2026-12-09 14-03-27", with
// "_002", "_003" ... after it when that name is taken in the folder, so that names sort as the
// matches began.
std::filesystem::path nomRejeu(const std::filesystem::path &dossier, std::time_t debut);

// Removes the oldest replays of the folder (by name, as they are named by date) so that `garder`
// stay; files of other names are left alone.
void elaguerRejeux(const std::filesystem::path &dossier, std::size_t garder);

// A replay file read whole: the replay, or why not, as `lireRejeu` says it or as the system
// does ("No such file or directory").
LectureRejeu lireFichierRejeu(const std::filesystem::path &chemin);
