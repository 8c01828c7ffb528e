#include "dossiers_xdg.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

std::optional<std::filesystem::path> dossierXdg(const char *variable, const char *sousDossier) {
    const char *xdg = std::getenv(variable);
    if (xdg != nullptr && *xdg == '/') {
        return std::filesystem::path(xdg);
    }
    const char *home = std::getenv("HOME");
    if (home == nullptr || *home == '\0') {
        const passwd *compte = ::getpwuid(::getuid());
        home = compte != nullptr ? compte->pw_dir : nullptr;
    }
    if (home == nullptr || *home == '\0') {
        return std::nullopt;
    }
    return std::filesystem::path(home) / sousDossier;
}
