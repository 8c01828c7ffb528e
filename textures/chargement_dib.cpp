#include "dib.h"
#include "fichier.h"
#include "message.h"
#include "traduction.h"

#include <string>

namespace {
// The whole name is shown, however long.
void signalerOuvertureImpossible(const char *nomFichier) {
    std::string texte = _("Failed to open DIB file %s.\n");
    const std::size_t nom = texte.find("%s");
    if (nom != std::string::npos) {
        texte.replace(nom, 2, nomFichier ? nomFichier : "");
    }
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
