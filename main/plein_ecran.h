#pragma once

// F11 and --fullscreen: the window fills the screen, then comes back at the size and place it
// had before.
class PleinEcran {
public:
    void basculer();
    bool actif() const { return actif_; }

private:
    // The window as it was before it filled the screen.
    struct Cadre {
        int x, y, largeur, hauteur;
    };
    bool actif_ = false;
    Cadre cadre_{};
};
