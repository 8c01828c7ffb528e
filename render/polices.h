#pragma once

#include <cstdint>
#include <memory>
#include <string>

// The desktop's sans-serif face, found through fontconfig (DejaVu Sans on a Debian desktop), and
// after it the faces fontconfig sorts next, for the characters the first one lacks; drawn through
// FreeType, which only this file's code reaches. Each glyph is rendered anti-aliased once for each
// size it is asked at, into a texture it shares with the others of that size (OpenGL 1.1's alpha
// textures), and text is drawn as one quad a glyph from there. Sizes are in window pixels: the
// height of a capital letter.
class Polices {
public:
    // The faces, or nothing (and why, in `erreur`) when fontconfig finds no font FreeType can
    // read.
    static std::unique_ptr<Polices> ouvrir(std::string &erreur);
    ~Polices();
    Polices(const Polices &) = delete;
    Polices &operator=(const Polices &) = delete;

    // How far the text advances, in pixels, at a capital height of `capitale` pixels.
    float largeur(const std::string &utf8, float capitale);
    // The text from its baseline's left end at (x, y), in pixels from the window's bottom left,
    // each vertex multiplied by `echelle` (the caller's units a pixel); under it, if asked, its
    // shadow `decalage` pixels right and down. Leaves blending and texturing off, the colour
    // changed, and some texture of its own bound.
    struct Teinte {
        float r, g, b;
    };
    void dessiner(const std::string &utf8, float capitale, float x, float y, float echelle,
                  Teinte teinte, const Teinte *ombre = nullptr, float decalage = 0);

    // The textures of a context that is gone are forgotten (a new context has none).
    void oublierTextures();

private:
    struct Etat;
    explicit Polices(std::unique_ptr<Etat> etat);
    std::unique_ptr<Etat> etat_;
};
