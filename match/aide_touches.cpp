#include "aide_touches.h"

#include "traduction.h"

#include <cstring>

namespace {

// The keys' X names that read otherwise to a player, by the names a keyboard shows.
constexpr const char *nomsDeTouches[][2] = {
    {"Left", NC_("key", "Left")},
    {"Right", NC_("key", "Right")},
    {"Up", NC_("key", "Up")},
    {"Down", NC_("key", "Down")},
    {"Return", NC_("key", "Return")},
    {"space", NC_("key", "Space")},
    {"Escape", NC_("key", "Escape")},
    {"BackSpace", NC_("key", "BackSpace")},
    {"Tab", NC_("key", "Tab")},
    {"Page_Up", NC_("key", "Page Up")},
    {"Page_Down", NC_("key", "Page Down")},
    {"Home", NC_("key", "Home")},
    {"End", NC_("key", "End")},
    {"Insert", NC_("key", "Insert")},
};

// A player's keys as they are bound now.
GroupeAide groupeJoueur(const Liaisons &liaisons, int puits, bool unJoueur) {
    const char *titres[2][2] = {{N_("Left player"), N_("Right player")},
                                {N_("Your keys"), N_("Your keys too")}};
    GroupeAide groupe{_(titres[unJoueur ? 1 : 0][puits]), {}};
    constexpr const char *effets[] = {N_("move left"), N_("move right"), N_("turn"),
                                      N_("one step down")};
    for (int action = 0; action < 4; ++action) {
        const ToucheJoueur &touche = liaisons.touche(puits, static_cast<Action>(action));
        // A key the settings could not give this player is none: the help shows only keys
        // that act.
        groupe.lignes.push_back(
            {touche.touche ? nomDeTouche(touche.nom) : _("(none)"), _(effets[action])});
    }
    return groupe;
}

} // namespace

std::string nomDeTouche(const std::string &nom) {
    for (const auto &[x, affiche] : nomsDeTouches) {
        if (nom == x) {
            return C_("key", affiche);
        }
    }
    return nom;
}

std::vector<GroupeAide> aideTouches(const Liaisons &liaisons, bool unJoueur) {
    return {
        groupeJoueur(liaisons, 0, unJoueur),
        groupeJoueur(liaisons, 1, unJoueur),
        {_("Other keys"),
         {{"l", _("swaying camera on/off")},
          {"p, " + nomDeTouche("Escape"), _("pause, play on")},
          {nomDeTouche("Return") + ", " + nomDeTouche("space"), _("next match, once over")},
          {"F2", _("new match")},
          {"F3, F4", _("who plays the left, right well")},
          {"F5", _("host a match over the network")},
          {"F6", _("join a match over the network")},
          {"m", _("sound on/off")},
          {"F11", _("full screen on/off")}}},
        {_("Gamepad"),
         {{_("D-pad, left stick"), _("move, one step down")},
          {_("A, B"), _("turn")},
          {_("Start"), _("pause, play on")},
          {_("Back"), _("next match, once over")}}},
        {_("Replays"),
         {{"F9", _("watch again; the start")},
          {"F10", _("on to the verdict")},
          {"F7, F8", _("slower, faster")},
          {nomDeTouche("Page_Up") + ", " + nomDeTouche("Page_Down"),
           _("the piece settled before, after")}}},
    };
}
