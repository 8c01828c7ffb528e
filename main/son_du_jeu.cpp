#include "son_du_jeu.h"

#include "avis.h"
#include "faits.h"
#include "reveil.h"
#include "son.h"

#include <cstdlib>
#include <filesystem>
#include <vector>

namespace {

// Long enough to read, short enough not to stand in the way.
constexpr Instant dureeAvis = 1500;

void reagir(const Fait &fait) {
    if (fait.quoi == Evenement::toucheSon) {
        couperSon(!sonCoupe());
        afficherAvis(sonCoupe() ? "Sound off" : "Sound on", maintenant() + dureeAvis);
        return;
    }
    jouerSon(fait, maintenant());
}

} // namespace

void brancherSon(const std::vector<std::filesystem::path> &dossiers) {
    ouvrirSon(dossiers);
    // GLUT leaves through exit(): the device is closed before the libraries go.
    std::atexit(fermerSon);
    ecouterMatch(reagir);
}
