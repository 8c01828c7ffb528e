#include "touches_reservees.h"

#include "codes_touches.h"

const ToucheReservee touchesReservees[16] = {
    {{false, 'l'}, "l", Geste::balancement},
    {{false, 'p'}, "p", Geste::pause},
    {{false, 'm'}, "m", Geste::son},
    {{false, toucheEchap}, "Escape", Geste::pause},
    {{true, toucheF2}, "F2", Geste::nouveauMatch},
    {{true, toucheF3}, "F3", Geste::piloteGauche},
    {{true, toucheF4}, "F4", Geste::piloteDroite},
    {{true, toucheF5}, "F5", Geste::heberger},
    {{true, toucheF6}, "F6", Geste::rejoindre},
    {{true, toucheF7}, "F7", Geste::moinsVite},
    {{true, toucheF8}, "F8", Geste::plusVite},
    {{true, toucheF9}, "F9", Geste::revoir},
    {{true, toucheF10}, "F10", Geste::verdict},
    {{true, toucheF11}, "F11", Geste::pleinEcran},
    {{true, touchePagePrecedente}, "Page_Up", Geste::piecePrecedente},
    {{true, touchePageSuivante}, "Page_Down", Geste::pieceSuivante},
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
