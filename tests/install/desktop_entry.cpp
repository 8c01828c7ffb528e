#include "desktop_entry.h"

#include <sstream>

namespace desktop {

namespace {

std::string unescapeString(const std::string &value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        switch (value[++i]) {
        case 's':
            out += ' ';
            break;
        case 'n':
            out += '\n';
            break;
        case 't':
            out += '\t';
            break;
        case 'r':
            out += '\r';
            break;
        default:
            out += value[i];
            break;
        }
    }
    return out;
}

// Field codes that stand for files or URLs, which a start from the menu does not give.
bool isFileCode(char c) {
    return c == 'f' || c == 'F' || c == 'u' || c == 'U';
}

} // namespace

std::optional<std::map<std::string, std::string>> readEntry(const std::string &text) {
    std::map<std::string, std::string> keys;
    std::istringstream lines(text);
    std::string line;
    std::string group;
    bool found = false;
    while (std::getline(lines, line)) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        if (line.front() == '[' && line.back() == ']') {
            group = line.substr(1, line.size() - 2);
            found = found || group == "Desktop Entry";
            continue;
        }
        const auto equals = line.find('=');
        if (equals == std::string::npos || group.empty()) {
            return std::nullopt;
        }
        if (group == "Desktop Entry") {
            keys[line.substr(0, equals)] = unescapeString(line.substr(equals + 1));
        }
    }
    if (!found) {
        return std::nullopt;
    }
    return keys;
}

std::optional<std::vector<std::string>> commandOf(const std::string &exec) {
    // Launchers expand the field codes first, quoted or not, then split the command into words.
    std::string expanded;
    for (std::size_t i = 0; i < exec.size(); ++i) {
        if (exec[i] != '%') {
            expanded += exec[i];
        } else if (i + 1 < exec.size() && exec[i + 1] == '%') {
            expanded += exec[++i];
        } else if (i + 1 < exec.size() && isFileCode(exec[i + 1])) {
            ++i;
        } else {
            return std::nullopt;
        }
    }

    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    bool quoted = false;
    for (std::size_t i = 0; i < expanded.size(); ++i) {
        const char c = expanded[i];
        if (quoted) {
            if (c == '"') {
                quoted = false;
            } else if (c == '\\' && i + 1 < expanded.size()) {
                word += expanded[++i];
            } else {
                word += c;
            }
        } else if (c == ' ') {
            if (inWord) {
                words.push_back(word);
                word.clear();
                inWord = false;
            }
        } else if (c == '"') {
            quoted = true;
            inWord = true;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (quoted) {
        return std::nullopt;
    }
    if (inWord) {
        words.push_back(word);
    }
    return words;
}

} // namespace desktop
