#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// Where the game's data files (its pictures and its sounds) are looked for, in this order: the
// working folder, as the game always read them; then the installed data folders found from the
// executable, ../share/cubefall and ../share/games/cubefall beside its bin/ or games/ folder, so
// that an installed game starts from any folder. The working folder is the empty path: a file
// found there keeps its bare name.
std::vector<std::filesystem::path> dossiersDonnees();

// The same from a given executable's path (dossiersDonnees reads /proc/self/exe); only the
// working folder when that path is empty or has no folder.
std::vector<std::filesystem::path> dossiersDonneesPour(const std::filesystem::path &executable);

// The path of the first file of that name that opens for reading in one of the folders, or
// nullopt. A file that exists but cannot be opened is passed over, as a missing one is.
std::optional<std::string>
trouverFichierDonnees(const std::string &nom, const std::vector<std::filesystem::path> &dossiers);

// The folders for a message to the player: "/home/ann, /usr/share/cubefall or
// /usr/share/games/cubefall", the working folder by its full path.
std::string nommerDossiersDonnees(const std::vector<std::filesystem::path> &dossiers);
