#pragma once

#include <filesystem>
#include <vector>

// The match's sounds: opens the sound at start-up, each sound looked for in the data folders in
// turn (the working folder first), and plays what the match reports; the key m switches the sound
// off and on, with a notice over the picture.
void brancherSon(const std::vector<std::filesystem::path> &dossiers);
