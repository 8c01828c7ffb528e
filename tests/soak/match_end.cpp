#include "match_end.h"

#include "grille.h"

#include <algorithm>
#include <cmath>

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

// What the game writes over a finished match: the verdict's panel over the middle of each well
// (190 x 78 pixels and its edge) and the scores above the wells' top edge. The well is judged
// on the rest.
bool underTheOverlay(const scene::ScreenPoint &point, scene::Well well, int width, int height) {
    const double x = well == scene::Well::left ? 4 : 15;
    const auto middle = scene::toWindow({x, 1, -5}, width, height);
    const auto top = scene::toWindow({x, 1, -14}, width, height);
    const bool onPanel =
        middle && std::abs(point.x - middle->x) < 100 && std::abs(point.y - middle->y) < 45;
    return onPanel || (top && point.y < top->y);
}

bool showsFull(const harness::Image &image, scene::Well well) {
    auto expected = scene::expectations(full(well), {}, image.width(), image.height());
    expected.erase(std::remove_if(expected.begin(), expected.end(),
                                  [&](const scene::Expectation &e) {
                                      return underTheOverlay(e.point, well, image.width(),
                                                             image.height());
                                  }),
                   expected.end());
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
