#include "manettes_du_jeu.h"

#include "fichier_reglages.h"
#include "manettes.h"

#include <cstdlib>
#include <filesystem>
#include <optional>

void brancherManettes(bool echange) {
    // gamecontrollerdb.txt lies beside cubefall.conf.
    const std::optional<std::filesystem::path> reglages = cheminReglages();
    if (!ouvrirManettes(reglages ? reglages->parent_path() : std::filesystem::path())) {
        return;
    }
    echangerManettes(echange);
    std::atexit(fermerManettes);
}
