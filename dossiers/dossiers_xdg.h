#pragma once

#include <filesystem>
#include <optional>

// A base folder of the XDG rules: the variable's value when it is an absolute path, else the
// folder under the home folder (HOME, or the account's when HOME is unset); nothing without a
// home folder. dossierXdg("XDG_CONFIG_HOME", ".config") is ~/.config.
std::optional<std::filesystem::path> dossierXdg(const char *variable, const char *sousDossier);
