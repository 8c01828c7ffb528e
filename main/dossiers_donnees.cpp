#include "dossiers_donnees.h"

#include "traduction.h"

#include <cstdio>
#include <system_error>

namespace fs = std::filesystem;

std::vector<fs::path> dossiersDonneesPour(const fs::path &executable) {
    std::vector<fs::path> dossiers{fs::path()};
    const fs::path dossierExecutable = executable.parent_path();
    if (dossierExecutable.empty()) {
        return dossiers;
    }
    // bin/ or games/ and share/ are siblings under one prefix, whatever that prefix is.
    const fs::path prefixe = (dossierExecutable / "..").lexically_normal();
    dossiers.push_back((prefixe / "share/cubefall").lexically_normal());
    dossiers.push_back((prefixe / "share/games/cubefall").lexically_normal());
    return dossiers;
}

std::vector<fs::path> dossiersDonnees() {
    std::error_code erreur;
    // The link names the file itself, through any symbolic link the player started it by.
    const fs::path executable = fs::read_symlink("/proc/self/exe", erreur);
    return dossiersDonneesPour(erreur ? fs::path() : executable);
}

std::optional<std::string> trouverFichierDonnees(const std::string &nom,
                                                 const std::vector<fs::path> &dossiers) {
    for (const fs::path &dossier : dossiers) {
        const std::string chemin = (dossier / nom).string();
        // The same test the loader makes: what opens is found, even a file it will then refuse.
        if (std::FILE *fichier = std::fopen(chemin.c_str(), "r")) {
            std::fclose(fichier);
            return chemin;
        }
    }
    return std::nullopt;
}

std::string nommerDossiersDonnees(const std::vector<fs::path> &dossiers) {
    std::string noms;
    for (std::size_t i = 0; i < dossiers.size(); ++i) {
        if (i > 0) {
            noms += i + 1 == dossiers.size() ? _(" or ") : ", ";
        }
        if (!dossiers[i].empty()) {
            noms += dossiers[i].string();
            continue;
        }
        std::error_code erreur;
        const fs::path courant = fs::current_path(erreur);
        noms += erreur ? _("the current folder") : courant.string();
    }
    return noms;
}
