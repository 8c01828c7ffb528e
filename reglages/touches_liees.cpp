#include "touches_liees.h"

#include "traduction.h"

Liaisons lierTouches(const Reglages &reglages, const std::array<std::string, 4> &gaucheParPosition,
                     const NommerTouche &nommer, std::vector<std::string> &messages) {
    // Filled in order, so that the keys bound so far are the ones to compare with.
    Liaisons liaisons;
    for (int puits = 0; puits < 2; ++puits) {
        for (int action = 0; action < 4; ++action) {
            liaisons.lier(puits, static_cast<Action>(action), {});
        }
    }
    for (int puits = 0; puits < 2; ++puits) {
        for (int action = 0; action < 4; ++action) {
            const std::string &reglee =
                reglages.puits[puits].touches[static_cast<std::size_t>(action)];
            const std::string parDefaut = puits == 0
                                              ? gaucheParPosition[static_cast<std::size_t>(action)]
                                              : touchesParDefaut[1][action].nom;
            ToucheJoueur choisie;
            // A binding of the default key itself is tried, and refused, once.
            const std::string &defaut = reglee == parDefaut ? std::string() : parDefaut;
            for (const std::string &nom : {reglee, defaut}) {
                const std::optional<Touche> touche = nom.empty() ? std::nullopt : nommer(nom);
                if (!touche) {
                    continue;
                }
                if (const std::optional<Commande> deja = liaisons.commandeDe(*touche)) {
                    const char *modeles[2][4] = {
                        {N_("cubefall: {1} is bound twice; it stays the left well's left key"),
                         N_("cubefall: {1} is bound twice; it stays the left well's right key"),
                         N_("cubefall: {1} is bound twice; it stays the left well's turn key"),
                         N_("cubefall: {1} is bound twice; it stays the left well's down key")},
                        {N_("cubefall: {1} is bound twice; it stays the right well's left key"),
                         N_("cubefall: {1} is bound twice; it stays the right well's right key"),
                         N_("cubefall: {1} is bound twice; it stays the right well's turn key"),
                         N_("cubefall: {1} is bound twice; it stays the right well's down key")}};
                    messages.push_back(
                        remplir(_(modeles[deja->puits][static_cast<int>(deja->action)]), {nom}));
                    continue;
                }
                choisie = {touche, nom};
                break;
            }
            liaisons.lier(puits, static_cast<Action>(action), choisie);
        }
    }
    return liaisons;
}
