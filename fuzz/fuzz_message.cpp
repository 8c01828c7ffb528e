// libFuzzer target: any bytes as they may arrive from the network, under ASan and UBSan. It stops
// when a message that decoded does not come back the same from its own bytes; and every state
// that decodes is taken by a mirror, with actions played on top as a joining machine plays them,
// which must neither crash nor stall.
#include "message.h"
#include "miroir.h"
#include "prediction.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *octets, std::size_t taille) {
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
        EtatMatch complet = *etat;
        for (int i = 0; i < 2; ++i) {
            if (!complet.puits[i]) {
                complet.puits[i] = ClichePartie{};
            }
        }
        complet.confirme = 0;
        Plateaux plateaux;
        Match miroir(plateaux);
        Prediction prediction(1);
        miroir.suivreActions([&](int, Action action) { prediction.noter(action); });
        for (const Action a : {Action::gauche, Action::pivoter, Action::descendre}) {
            miroir.agir(1, a);
        }
        prediction.recevoir(miroir, complet);
    }
    return 0;
}
