#pragma once

#include "vue.h"

#include <optional>

// Lays the metal floor under the scene. A camera that has not moved sees the same floor frame
// after frame, so the floor drawn once is copied into a texture and laid back pixel for pixel: on
// a software renderer, a frame costs a fifth less than one that filters the metal in perspective
// anew. Expects the camera in place and the metal bound, as the floor itself does; leaves some
// other texture bound.
class CopieSol {
public:
    // `balancement`: the camera sways, so the floor moves every frame and there is nothing to keep.
    void poser(const Vue &vue, bool balancement);

    // Forgets the copy and its texture, as a new OpenGL context would have neither.
    void oublier();

    // On in the game; the frame benchmark turns it off, frame about frame, to weigh what it saves.
    bool active = true;

private:
    void copier(const Vue &vue);
    void recopier(const Vue &vue) const;

    unsigned texture_ = 0;
    int largeurTexture_ = 0;
    int hauteurTexture_ = 0;
    std::optional<Vue> vueCopiee_;
};
