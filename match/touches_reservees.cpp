#include "touches_reservees.h"

#include "codes_touches.h"

const ToucheReservee touchesReservees[10] = {
    {{false, 'l'}, "l", Geste::balancement},
    {{false, 'p'}, "p", Geste::pause},
    {{false, 'm'}, "m", Geste::son},
    {{false, toucheEchap}, "Escape", Geste::pause},
    {{true, toucheF2}, "F2", Geste::nouveauMatch},
    {{true, toucheF3}, "F3", Geste::piloteGauche},
    {{true, toucheF4}, "F4", Geste::piloteDroite},
    {{true, toucheF5}, "F5", Geste::heberger},
    {{true, toucheF6}, "F6", Geste::rejoindre},
    {{true, toucheF11}, "F11", Geste::pleinEcran},
};

std::optional<Geste> gesteReserve(Touche touche) {
    for (const ToucheReservee &r : touchesReservees) {
        if (r.touche == touche) {
            return r.geste;
        }
    }
    return std::nullopt;
}

std::string nomsTouchesReservees() {
    std::string noms;
    for (const ToucheReservee &r : touchesReservees) {
        noms += (noms.empty() ? "" : ", ") + std::string(r.nom);
    }
    return noms;
}
