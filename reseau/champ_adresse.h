#pragma once

#include "adresse.h"

#include <optional>
#include <string>

// The field where the host's address is typed to join a match (F6): its text, the keys that edit
// it, and what Return makes of it.
class ChampAdresse {
public:
    // The field opens on the address joined last.
    void ouvrir(std::string texte) { texte_ = std::move(texte); }
    void fermer() { texte_.reset(); }
    bool ouvert() const { return texte_.has_value(); }
    const std::optional<std::string> &texte() const { return texte_; }

    enum class Suite {
        rien,    // the text may have changed
        fermer,  // Escape: closed
        valider, // Return: the text is to be joined
    };
    // A character key while the field is open: Return, Escape, BackSpace or Delete, or a
    // character an address may hold (letters, digits, '.', '-', ':'), up to the longest address.
    Suite toucher(unsigned char touche);

    static constexpr std::size_t longueurMax = 64;

private:
    std::optional<std::string> texte_;
};
