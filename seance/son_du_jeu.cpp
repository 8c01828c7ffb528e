#include "son_du_jeu.h"

bool SonDuJeu::mouvementPredit(const Fait &fait) const {
    const bool mouvement = fait.quoi == Evenement::deplacement ||
                           fait.quoi == Evenement::rotation ||
                           fait.quoi == Evenement::rotationRefusee;
    return predit_ && fait.puits == *predit_ && mouvement;
}

void SonDuJeu::entendre(const Fait &fait) {
    if (!silence_ && (!predit_ || mouvementPredit(fait))) {
        son_.jouer(fait, maintenant_);
    }
}

void SonDuJeu::entendreHote(const Fait &fait) {
    if (!silence_ && !mouvementPredit(fait)) {
        son_.jouer(fait, maintenant_);
    }
}
