#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

// Reading a desktop menu entry as a launcher does.
namespace desktop {

// The keys of the [Desktop Entry] group with their string escapes (\s, \n, \t, \r, \\) undone.
// Nullopt when there is no such group or a line is neither a comment, a group header nor a
// key=value pair.
std::optional<std::map<std::string, std::string>> readEntry(const std::string &text);

// An Exec value as the words of the command: quoted words unquoted, %% turned into %, and the
// file and URL field codes dropped, as for a start from the menu without files. Nullopt for an
// unclosed quote or another field code.
std::optional<std::vector<std::string>> commandOf(const std::string &exec);

} // namespace desktop
