#pragma once

#include "gestes.h"
#include "liaisons.h"
#include "match.h"
#include "repetition.h"

#include <optional>
#include <vector>

// The keyboard as GLUT reports its presses and releases, for one match: a player's key acts on
// their well through the match, which repeats it while held; a key of the game's own (liaisons.h
// and touches_reservees.h tell them apart) is handed back as a gesture, for the game to carry out.
// The system's own repeats come as presses of a key already down, and are ignored. Letters count
// the same in either case: Caps Lock or Shift do not silence the left player.
class ClavierJeu {
public:
    explicit ClavierJeu(Match &match);

    void lier(const Liaisons &liaisons) { liaisons_ = liaisons; }
    const Liaisons &liaisons() const { return liaisons_; }

    // In a match over the network one person plays at each machine: every player's key (either
    // set) plays this machine's well, or, for a machine that watches or waits, none.
    void jouerSeul(std::optional<int> puits);
    // Each set of keys plays its own well again.
    void jouerADeux();
    bool seul() const { return seul_; }

    std::optional<Geste> enfoncer(Touche touche, Instant maintenant);
    void relacher(Touche touche);
    // Every key counts as released: the window lost the keyboard or was hidden, so the releases
    // will go elsewhere.
    void toutRelacher();

private:
    Match &match_;
    Liaisons liaisons_;
    bool seul_ = false;
    std::optional<int> puitsSeul_;
    // Every key down, repeating or not.
    std::vector<Touche> enfoncees_;
};
