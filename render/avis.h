#pragma once

#include <cstdint>
#include <optional>
#include <string>

// A short notice over the picture ("Sound off"), until a time on the game's clock in
// milliseconds. A new one replaces the last. Under it, a standing notice (the network's state),
// shown whenever no short one is.
class Avis {
public:
    void afficher(const std::string &texte, std::int64_t jusqua);
    void fixer(std::optional<std::string> texte) { permanent_ = std::move(texte); }

    // The notice for a frame that begins at `debutImage`: none once its time has come, and then
    // it is forgotten.
    std::optional<std::string> aMontrer(std::int64_t debutImage);

    // When the notice shown must go, for a frame to be drawn then; nothing when none is shown.
    std::optional<std::int64_t> fin() const;

private:
    std::string texte_;
    std::optional<std::int64_t> jusqua_;
    std::optional<std::string> permanent_;
};
