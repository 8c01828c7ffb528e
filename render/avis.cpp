#include "avis.h"

void Avis::afficher(const std::string &texte, std::int64_t jusqua) {
    texte_ = texte;
    jusqua_ = jusqua;
}

std::optional<std::string> Avis::aMontrer(std::int64_t debutImage) {
    if (jusqua_ && debutImage >= *jusqua_) {
        jusqua_.reset();
    }
    if (!jusqua_) {
        return permanent_;
    }
    return texte_;
}

std::optional<std::int64_t> Avis::fin() const {
    return jusqua_;
}
