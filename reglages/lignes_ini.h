#pragma once

#include <cstddef>
#include <string>
#include <vector>

// A settings file's lines as inih reads them: the reader and the writer of the settings both go
// through here, so that a change is written into the line inih reads it from, and a line inih
// would refuse can be named.
struct LigneIni {
    enum class Sorte {
        rien,    // blank or a comment
        section, // [name]
        reglage, // name = value (or name: value)
        suite,   // an indented line after a setting: more of its value
        erronee, // none of these
    };
    Sorte sorte = Sorte::rien;
    // The section's name as inih takes it, spaces included; the setting's, trimmed.
    std::string nom;
    // Where the value lies in the line, its comment and spaces left out; for a continuation, the
    // whole line but its indentation.
    std::size_t debutValeur = 0;
    std::size_t finValeur = 0;
};

// `suitePossible`: a setting came before in the same section, so an indented line continues it.
// `premiere`: the file's first line, which may begin with a UTF-8 byte order mark.
LigneIni classerLigne(const std::string &ligne, bool suitePossible, bool premiere = false);

// The longest line inih reads whole, its end of line left out; the game skips longer ones (and
// names them).
constexpr std::size_t longueurLigneMax = 198;
bool ligneTropLongue(const std::string &ligne);

// Names compare as the player means them: "Left Well" is [left well].
bool memeNom(const std::string &a, const std::string &b);

// The lines of a text, each with its end of line.
std::vector<std::string> decouperLignes(const std::string &texte);

// What inih reads from a text, line by line: each section header and each setting (a continuation
// line sets its setting again), with its line number from 1, and the lines it cannot read.
struct LectureIni {
    struct Section {
        std::string nom;
        int ligne;
    };
    struct Reglage {
        std::string section;
        std::string cle;
        std::string valeur;
        int ligne;
    };
    struct Erreur {
        int ligne;
        std::string quoi;
    };
    std::vector<Section> sections;
    std::vector<Reglage> reglages;
    std::vector<Erreur> erreurs;
};
LectureIni lireIni(const std::string &texte);
