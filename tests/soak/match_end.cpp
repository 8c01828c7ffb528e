#include "match_end.h"

#include "grille.h"

namespace {

scene::WellContents full(scene::Well well) {
    scene::WellContents contents{well, {}};
    for (int column = 0; column < nbColonnes; ++column) {
        for (int row = 0; row < nbLignes; ++row) {
            contents.cells.push_back({column, row});
        }
    }
    return contents;
}

bool showsFull(const harness::Image &image, scene::Well well) {
    const auto expected = scene::expectations(full(well), {}, image.width(), image.height());
    return !expected.empty() && scene::compare(image, expected).empty();
}

} // namespace

std::optional<scene::Well> fullWell(const harness::Image &image) {
    for (const auto well : {scene::Well::left, scene::Well::right}) {
        if (showsFull(image, well)) {
            return well;
        }
    }
    return std::nullopt;
}

const char *nameOf(scene::Well well) {
    return well == scene::Well::left ? "left" : "right";
}
