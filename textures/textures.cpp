#include "textures.h"
#include "dib.h"

#include <GL/gl.h>
#include <cstdio>
#include <cstdlib>

imageRGB *chargerBMP(const char *nomFichier) {
    if (!nomFichier)
        return nullptr;
    // A file that is simply not there is no error worth telling the player about.
    std::FILE *fichier = std::fopen(nomFichier, "r");
    if (!fichier)
        return nullptr;
    std::fclose(fichier);
    return chargerImageDIB(nomFichier);
}

namespace {
// Makes one texture of the picture, then releases the picture.
void creerTexture(unsigned int &nom, imageRGB *image) {
    glGenTextures(1, &nom);
    glBindTexture(GL_TEXTURE_2D, nom);
    // Our rows are packed without filler; OpenGL expects 4-byte rows unless told otherwise.
    GLint alignement = 4;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignement);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, 3, image->largeur, image->hauteur, 0, GL_RGB, GL_UNSIGNED_BYTE,
                 image->donnees);
    glPixelStorei(GL_UNPACK_ALIGNMENT, alignement);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
}

void liberer(imageRGB *image) {
    if (image->donnees)
        std::free(image->donnees);
    std::free(image);
}
} // namespace

int chargerTextures(const char *cheminBois, const char *cheminMetal) {
    int resultat = 0;
    // Wood is made and released before the metal file is even opened: one picture at a time.
    if (imageRGB *bois = chargerBMP(cheminBois)) {
        resultat = 1;
        creerTexture(textureBois, bois);
        liberer(bois);
    }
    if (imageRGB *metal = chargerBMP(cheminMetal)) {
        resultat = 1;
        creerTexture(textureMetal, metal);
        liberer(metal);
    }
    return resultat;
}
