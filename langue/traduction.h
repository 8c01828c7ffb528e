#pragma once

#include <libintl.h>

#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

// The game's words in the player's language, through gettext and the catalogue "cubefall": the
// English texts are the catalogue's keys, and a language without a catalogue, or a text missing
// from one, reads in English. The language follows LANGUAGE, LC_ALL, LC_MESSAGES and LANG, as
// every program's does.

// A text to translate, translated now.
#define _(texte) gettext(texte)
// A text to translate later, where it is used: tables of texts.
#define N_(texte) texte

// The catalogues are looked for beside the game's data, as its pictures are: in the build
// folder's locale/, then in the installed share/locale.
void initialiserTraductions(const std::vector<std::filesystem::path> &dossiersDonnees);

// A text of a short word that reads otherwise elsewhere ("Left" a key, "Left" a well's side):
// its context tells translators which.
const char *traduireDans(const char *contexte, const char *texte);
#define C_(contexte, texte) traduireDans(contexte, texte)
// The same, to translate later.
#define NC_(contexte, texte) texte

// The singular or plural of a text, as the language counts `n`.
#define P_(singulier, pluriel, n) ngettext(singulier, pluriel, n)

// The text with {1}, {2}... replaced by the values, in whatever order the language puts them.
std::string remplir(const std::string &modele, std::initializer_list<std::string> valeurs);
