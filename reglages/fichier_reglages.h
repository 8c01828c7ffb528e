#pragma once

#include "ecriture_ini.h"
#include "reglages.h"

#include <filesystem>
#include <optional>
#include <string>

// $XDG_CONFIG_HOME/cubefall/cubefall.conf, or ~/.config/cubefall/cubefall.conf when it is unset
// (or not an absolute path, which the desktop's rules say to ignore). Nothing without a home.
std::optional<std::filesystem::path> cheminReglages();

struct ContenuFichier {
    enum class Etat {
        lu,
        absent,    // nothing there yet: it may be written
        illisible, // there but not read whole: it is never written over
    };
    Etat etat = Etat::absent;
    std::string texte;
    std::string erreur; // why it could not be read
};

ContenuFichier lireFichier(const std::filesystem::path &chemin);

// The settings file of the running game: read once at start-up, written at each change. Only a
// file read whole, or not there yet, is written.
class FichierReglages {
public:
    explicit FichierReglages(std::optional<std::filesystem::path> chemin = cheminReglages())
        : chemin_(std::move(chemin)) {}

    const std::optional<std::filesystem::path> &chemin() const { return chemin_; }

    // What the file says, its bad lines named (and a file that cannot be read whole, which is not
    // used then).
    LectureReglages lire(const VerifierTouche &verifier);
    // Why the change could not be written, or empty.
    std::string ecrire(const Changement &changement) const;

private:
    std::optional<std::filesystem::path> chemin_;
    bool ecrivable_ = false;
};

// Writes the change into the file as it is now: read afresh (another game may have changed
// it), every other line kept, then replaced at once by a rename, so that whatever happens
// the file is the old one or the new one, whole. A file that cannot be read is left alone.
// Returns why it could not be written, or empty. `avantRenommage` runs when the new text is on
// the disk beside the old one: the tests stop there.
std::string enregistrer(const std::filesystem::path &chemin, const Changement &changement,
                        void (*avantRenommage)() = nullptr);
