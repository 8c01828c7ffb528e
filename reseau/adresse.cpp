#include "adresse.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

#include <cctype>

std::optional<std::uint16_t> lirePort(const std::string &texte) {
    if (texte.empty() || texte.size() > 5) {
        return std::nullopt;
    }
    unsigned long valeur = 0;
    for (const char c : texte) {
        if (!std::isdigit(static_cast<unsigned char>(c))) {
            return std::nullopt;
        }
        valeur = valeur * 10 + static_cast<unsigned long>(c - '0');
    }
    if (valeur < 1 || valeur > 65535) {
        return std::nullopt;
    }
    return static_cast<std::uint16_t>(valeur);
}

std::optional<AdresseJeu> lireAdresse(const std::string &texte) {
    AdresseJeu adresse;
    const std::size_t deuxPoints = texte.find(':');
    adresse.hote = texte.substr(0, deuxPoints);
    if (deuxPoints != std::string::npos) {
        const std::optional<std::uint16_t> port = lirePort(texte.substr(deuxPoints + 1));
        if (!port) {
            return std::nullopt;
        }
        adresse.port = *port;
    }
    if (adresse.hote.empty() || adresse.hote.size() > 253 || adresse.hote.front() == '-' ||
        adresse.hote.front() == '.') {
        return std::nullopt;
    }
    for (const char c : adresse.hote) {
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '.' && c != '-') {
            return std::nullopt;
        }
    }
    return adresse;
}

std::string nommer(const AdresseJeu &adresse) {
    return adresse.hote + ":" + std::to_string(adresse.port);
}

std::vector<std::string> adressesLocales() {
    std::vector<std::string> adresses;
    ifaddrs *interfaces = nullptr;
    if (getifaddrs(&interfaces) != 0) {
        return adresses;
    }
    for (const ifaddrs *i = interfaces; i != nullptr; i = i->ifa_next) {
        if (i->ifa_addr == nullptr || i->ifa_addr->sa_family != AF_INET ||
            (i->ifa_flags & IFF_LOOPBACK) != 0 || (i->ifa_flags & IFF_UP) == 0) {
            continue;
        }
        char texte[INET_ADDRSTRLEN] = {};
        const auto *ip = reinterpret_cast<const sockaddr_in *>(i->ifa_addr);
        if (inet_ntop(AF_INET, &ip->sin_addr, texte, sizeof texte) != nullptr) {
            adresses.emplace_back(texte);
        }
    }
    freeifaddrs(interfaces);
    return adresses;
}
