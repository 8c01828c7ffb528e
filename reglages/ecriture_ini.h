#pragma once

#include <optional>
#include <string>

// One setting to write: `valeur` replaces the value of the last `cle` in the last [section]; a
// setting not there yet goes at the end of its section, a section not there yet at the end.
struct Changement {
    std::string section;
    std::string cle;
    std::string valeur;
};

// The text with the change made, every other line as it was. The result is read back as the game
// reads it before it is given: the change must read back and every other setting, section and bad
// line must read as before. Where a setting put at the end of its section would change how the
// next line reads (an indented line would become part of its value), the setting goes in a new
// [section] at the end of the text instead. Nothing when no text could be made so.
std::optional<std::string> mettreAJour(const std::string &texte, const Changement &changement);
