#include "aide_touches.h"


namespace {

// A player's keys as they are bound now.
GroupeAide groupeJoueur(const Liaisons &liaisons, int puits) {
    GroupeAide groupe{puits == 0 ? "Left player" : "Right player", {}};
    constexpr const char *effets[] = {"move left", "move right", "turn", "one step down"};
    for (int action = 0; action < 4; ++action) {
        const ToucheJoueur &touche = liaisons.touche(puits, static_cast<Action>(action));
        // A key the settings could not give this player is none: the help shows only keys
        // that act.
        groupe.lignes.push_back({touche.touche ? touche.nom : "(none)", effets[action]});
    }
    return groupe;
}

} // namespace

std::vector<GroupeAide> aideTouches(const Liaisons &liaisons) {
    return {
        groupeJoueur(liaisons, 0),
        groupeJoueur(liaisons, 1),
        {"Other keys",
         {{"l", "swaying camera on/off"},
          {"p, Escape", "pause, play on"},
          {"Return, Space", "next match, once over"},
          {"F2", "new match"},
          {"F3, F4", "who plays the left, right well"},
          {"m", "sound on/off"},
          {"F11", "full screen on/off"}}},
        {"Gamepad",
         {{"D-pad, left stick", "move, one step down"},
          {"A, B", "turn"},
          {"Start", "pause, play on"},
          {"Back", "next match, once over"}}},
    };
}
