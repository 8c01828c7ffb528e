// libFuzzer target: any bytes as they may arrive from the network, under ASan and UBSan. It stops
// when a message that decoded does not come back the same from its own bytes. A state that
// decodes is made whole, on nothing or on a state held, and taken by a mirror with actions played
// on top, as a joining machine plays them; and the bytes reach both sessions, the host's from its
// player and the joining machine's from its host, which must neither crash nor stall.
#include "miroir.h"
#include "prediction.h"
#include "protocole.h"
#include "session_hote.h"
#include "session_invite.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// A host with its player, and a joining machine welcomed as the player.
struct Sessions {
    Plateaux jeuxHote, jeuxInvite;
    Match hote{jeuxHote}, invite{jeuxInvite};
    SessionHote sessionHote{7800, {}};
    SessionInvite sessionInvite{{"hote", 7800}};

    Sessions() {
        sessionHote.commencer(hote, 0);
        sessionHote.connexion(1, {1, 1}, 0);
        const std::vector<std::uint8_t> bonjour = encoder(Bonjour{});
        sessionHote.reception(1, bonjour.data(), bonjour.size(), 0, hote);
        sessionInvite.commencer(invite, 0);
        sessionInvite.servir(0, invite);
        sessionInvite.connexion(1, {1, 1}, 0);
        const std::vector<std::uint8_t> accueil = encoder(Accueil{true, Raison::aucune});
        sessionInvite.reception(1, accueil.data(), accueil.size(), 0, invite);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *octets, std::size_t taille) {
    Sessions sessions;
    sessions.sessionHote.reception(1, octets, taille, 10, sessions.hote);
    sessions.sessionHote.servir(20, sessions.hote);
    sessions.sessionInvite.reception(1, octets, taille, 10, sessions.invite);
    sessions.sessionInvite.servir(20, sessions.invite);

    const std::optional<Recu> recu = decoder(octets, taille);
    if (!recu) {
        return 0;
    }
    const std::vector<std::uint8_t> encore = encoder(recu->message);
    const std::optional<Recu> relu = decoder(encore.data(), encore.size());
    if (!relu || !(relu->message == recu->message)) {
        std::abort();
    }
    if (const auto *etat = std::get_if<EtatMatch>(&recu->message)) {
        Plateaux plateaux;
        Match miroir(plateaux);
        const EtatComplet base = etatDe(miroir);
        std::optional<EtatComplet> complet =
            reconstruire(etat->recul == 0 ? nullptr : &base, *etat);
        if (!complet) {
            return 0;
        }
        Prediction prediction(1);
        miroir.suivreActions([&](int, Action action) { prediction.noter(action); });
        for (const Action a : {Action::gauche, Action::pivoter, Action::descendre}) {
            miroir.agir(1, a);
        }
        prediction.recevoir(miroir, *complet);
    }
    return 0;
}
