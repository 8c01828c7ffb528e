#include "fichiers_rejeu.h"

#include "dossiers_xdg.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

std::optional<fs::path> dossierRejeux() {
    const std::optional<fs::path> base = dossierXdg("XDG_DATA_HOME", ".local/share");
    return base ? std::optional<fs::path>(*base / "cubefall" / "replays") : std::nullopt;
}

fs::path nomRejeu(const fs::path &dossier, std::time_t debut) {
    std::tm local{};
    localtime_r(&debut, &local);
    char date[32];
    std::strftime(date, sizeof date, "%Y-%m-%d %H-%M-%S", &local);
    fs::path chemin = dossier / (std::string(date) + extensionRejeu);
    std::error_code erreur;
    // "_002" sorts after the bare name, as it comes after it.
    for (int n = 2; fs::exists(chemin, erreur); ++n) {
        char suite[16];
        std::snprintf(suite, sizeof suite, "_%03d", n);
        chemin = dossier / (std::string(date) + suite + extensionRejeu);
    }
    return chemin;
}

void elaguerRejeux(const fs::path &dossier, std::size_t garder) {
    std::vector<fs::path> rejeux;
    std::error_code erreur;
    for (const fs::directory_entry &entree : fs::directory_iterator(dossier, erreur)) {
        const std::string nom = entree.path().filename().string();
        // Ours alone: a date first, then our extension.
        if (entree.is_regular_file(erreur) && nom.size() > 19 &&
            std::isdigit(static_cast<unsigned char>(nom[0])) != 0 &&
            entree.path().extension() == extensionRejeu) {
            rejeux.push_back(entree.path());
        }
    }
    if (rejeux.size() <= garder) {
        return;
    }
    std::sort(rejeux.begin(), rejeux.end());
    for (std::size_t i = 0; i + garder < rejeux.size(); ++i) {
        fs::remove(rejeux[i], erreur);
    }
}

LectureRejeu lireFichierRejeu(const fs::path &chemin) {
    LectureRejeu lecture;
    std::FILE *f = std::fopen(chemin.c_str(), "rb");
    if (f == nullptr) {
        lecture.erreur = std::strerror(errno);
        return lecture;
    }
    std::vector<std::uint8_t> octets;
    std::uint8_t tampon[65536];
    std::size_t lus;
    while ((lus = std::fread(tampon, 1, sizeof tampon, f)) > 0 && octets.size() <= tailleRejeuMax) {
        octets.insert(octets.end(), tampon, tampon + lus);
    }
    const bool echec = std::ferror(f) != 0;
    const int numero = errno;
    std::fclose(f);
    if (echec) {
        lecture.erreur = std::strerror(numero);
        return lecture;
    }
    return lireRejeu(octets.data(), octets.size());
}
