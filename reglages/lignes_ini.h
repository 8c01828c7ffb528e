#pragma once

#include <cstddef>
#include <string>
#include <vector>

// One line of a settings file as inih reads it, so that a change can be written into the line
// inih would read it from, and a line inih would refuse can be named.
struct LigneIni {
    enum class Sorte {
        rien,    // blank or a comment
        section, // [name]
        reglage, // name = value (or name: value)
        suite,   // an indented line after a setting: more of its value
        erronee, // none of these
    };
    Sorte sorte = Sorte::rien;
    std::string nom; // the section's or the setting's, trimmed
    // Where the setting's value lies in the line, its comment and spaces left out.
    std::size_t debutValeur = 0;
    std::size_t finValeur = 0;
};

// `suitePossible`: a setting came before in the same section, so an indented line continues it.
LigneIni classerLigne(const std::string &ligne, bool suitePossible);

// Names compare as the player means them: "Left Well" is [left well].
bool memeNom(const std::string &a, const std::string &b);

// One setting to write: `valeur` replaces the value of the last `cle` in the last [section]; a
// setting not there yet goes at the end of its section, a section not there yet at the end.
struct Changement {
    std::string section;
    std::string cle;
    std::string valeur;
};

// The text with the change made, every other line as it was.
std::string mettreAJour(const std::string &texte, const Changement &changement);

// The lines of a text, each with its end of line.
std::vector<std::string> decouperLignes(const std::string &texte);
