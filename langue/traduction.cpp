#include "traduction.h"

#include <clocale>
#include <cstring>

namespace fs = std::filesystem;

namespace {

// Whether the folder holds a catalogue of ours, in any language.
bool tientCatalogue(const fs::path &locale) {
    std::error_code erreur;
    for (const fs::directory_entry &langue : fs::directory_iterator(locale, erreur)) {
        if (fs::exists(langue.path() / "LC_MESSAGES" / "cubefall.mo", erreur)) {
            return true;
        }
    }
    return false;
}

} // namespace

void initialiserTraductions(const std::vector<fs::path> &dossiersDonnees) {
    std::setlocale(LC_ALL, "");
    // Numbers are written and read the same in every language: the settings file's among them.
    std::setlocale(LC_NUMERIC, "C");
    // Beside the data (the build folder's locale/), or in the share/locale above it (share/cubefall
    // or share/games/cubefall); the system's own otherwise.
    bool trouve = false;
    for (const fs::path &dossier : dossiersDonnees) {
        const fs::path ici = dossier.empty() ? fs::current_path() : dossier;
        for (const fs::path &locale : {ici / "locale", ici.parent_path() / "locale",
                                       ici.parent_path().parent_path() / "locale"}) {
            if (!trouve && tientCatalogue(locale)) {
                bindtextdomain("cubefall", locale.c_str());
                trouve = true;
            }
        }
    }
    // The game draws UTF-8, whatever the terminal's charset.
    bind_textdomain_codeset("cubefall", "UTF-8");
    textdomain("cubefall");
}

const char *traduireDans(const char *contexte, const char *texte) {
    // gettext's own way: the context and the text, joined by an EOT.
    std::string cle = std::string(contexte) + '\004' + texte;
    const char *traduit = dcgettext(nullptr, cle.c_str(), LC_MESSAGES);
    // Untranslated, gettext hands the key back, which must not outlive this call.
    return std::strcmp(traduit, cle.c_str()) == 0 ? texte : traduit;
}

std::string remplir(const std::string &modele, std::initializer_list<std::string> valeurs) {
    std::string texte;
    for (std::size_t i = 0; i < modele.size(); ++i) {
        const std::size_t n = modele[i] == '{' && i + 2 < modele.size() && modele[i + 2] == '}'
                                  ? static_cast<std::size_t>(modele[i + 1] - '1')
                                  : valeurs.size();
        if (n < valeurs.size()) {
            texte += *(valeurs.begin() + n);
            i += 2;
        } else {
            texte += modele[i];
        }
    }
    return texte;
}
