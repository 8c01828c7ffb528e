#include "aide_touches.h"

std::vector<GroupeAide> aideTouches() {
    return {
        {"Left player",
         {{"a", "move left"}, {"d", "move right"}, {"w", "turn"}, {"s", "one step down"}}},
        {"Right player",
         {{"Left", "move left"},
          {"Right", "move right"},
          {"Up", "turn"},
          {"Down", "one step down"}}},
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
