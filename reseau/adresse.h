#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Where a game is hosted, as the player writes it: HOST or HOST:PORT, HOST a name or an IPv4
// address. The port is 7800 unless said.
constexpr std::uint16_t portParDefaut = 7800;

struct AdresseJeu {
    std::string hote;
    std::uint16_t port = portParDefaut;
    bool operator==(const AdresseJeu &autre) const {
        return hote == autre.hote && port == autre.port;
    }
};

// A port: a number from 1 to 65535, digits only.
std::optional<std::uint16_t> lirePort(const std::string &texte);

// HOST or HOST:PORT; the host's name is only checked for its form (letters, digits, dots and
// hyphens), not looked up.
std::optional<AdresseJeu> lireAdresse(const std::string &texte);

// "HOST:PORT", as messages name it.
std::string nommer(const AdresseJeu &adresse);

// This machine's IPv4 addresses on its network interfaces, loopback left out: what a friend joins.
std::vector<std::string> adressesLocales();
