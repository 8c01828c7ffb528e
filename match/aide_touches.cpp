#include "aide_touches.h"

namespace {

// A player's keys as they are bound now.
GroupeAide groupeJoueur(const Liaisons &liaisons, int puits, bool unJoueur) {
    const char *titres[2][2] = {{"Left player", "Right player"}, {"Your keys", "Your keys too"}};
    GroupeAide groupe{titres[unJoueur ? 1 : 0][puits], {}};
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

std::vector<GroupeAide> aideTouches(const Liaisons &liaisons, bool unJoueur) {
    return {
        groupeJoueur(liaisons, 0, unJoueur),
        groupeJoueur(liaisons, 1, unJoueur),
        {"Other keys",
         {{"l", "swaying camera on/off"},
          {"p, Escape", "pause, play on"},
          {"Return, Space", "next match, once over"},
          {"F2", "new match"},
          {"F3, F4", "who plays the left, right well"},
          {"F5", "host a match over the network"},
          {"F6", "join a match over the network"},
          {"m", "sound on/off"},
          {"F11", "full screen on/off"}}},
        {"Gamepad",
         {{"D-pad, left stick", "move, one step down"},
          {"A, B", "turn"},
          {"Start", "pause, play on"},
          {"Back", "next match, once over"}}},
        {"Replays",
         {{"F9", "watch the match again, once over; the start"},
          {"F10", "on to the verdict"},
          {"F7, F8", "slower, faster"},
          {"Page Up, Page Down", "the piece settled before, after"}}},
    };
}
