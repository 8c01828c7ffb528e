#include "dib.h"
#include "fichier.h"
#include "message.h"

#include <string>

namespace {
// The whole name is shown, however long.
void signalerOuvertureImpossible(const char *nomFichier) {
    std::string texte = "Failed to open DIB file ";
    texte += nomFichier ? nomFichier : "";
    texte += ".\n";
    afficherErreur(texte.c_str());
}
} // namespace

imageRGB *chargerImageDIB(const char *nomFichier) {
    FichierDIB fichier;
    if (!fichier.ouvrir(nomFichier)) {
        signalerOuvertureImpossible(nomFichier);
        return nullptr;
    }
    const FichierLu lu(nomFichier);
    return decoderFichierDIB(fichier);
}
