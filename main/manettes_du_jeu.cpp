#include "manettes_du_jeu.h"

#include "manettes.h"

#include <cstdlib>
#include <filesystem>

namespace {

// Where the desktop keeps the game's settings: $XDG_CONFIG_HOME/cubefall, or ~/.config/cubefall.
std::filesystem::path dossierReglages() {
    const char *config = std::getenv("XDG_CONFIG_HOME");
    if (config != nullptr && *config == '/') {
        return std::filesystem::path(config) / "cubefall";
    }
    const char *maison = std::getenv("HOME");
    if (maison != nullptr && *maison != '\0') {
        return std::filesystem::path(maison) / ".config" / "cubefall";
    }
    return {};
}

} // namespace

void brancherManettes() {
    if (!ouvrirManettes(dossierReglages())) {
        return;
    }
    // Which well the first pad plays, once the settings file has a say: echangerManettes(swap).
    std::atexit(fermerManettes);
}
