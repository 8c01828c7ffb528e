#include "manettes.h"
#include "partie_test.h"
#include "pilotes.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

enum class Mouvement {
    brancher,
    debrancher,
    appuyer,
    relacher,
    manche,
    ordinateur,
    echanger,
    surLeSol,
    perdre,
    horloge
};

// At `t`, one gesture on virtual pad `pad` (its SDL button, or the stick's x or y), then the
// game reads the pads and plays due repeats; then the left piece, the right piece's column and
// the pause.
struct Pas {
    Instant t;
    Mouvement geste;
    int pad = 0;
    int quoi = 0;
    int valeur = 0;
    int x1 = 4, y1 = 10, rotation1 = 0, x2 = 4;
    bool pause = false;
};

struct Cas {
    std::string nom;
    std::vector<Pas> pas;
};

// The virtual pads by the test's numbers; SDL_JoystickAttachVirtualEx gives them a mapping.
std::vector<SDL_Joystick *> pads(3, nullptr);

void brancher(int n) {
    SDL_VirtualJoystickDesc d{};
    d.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    d.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    d.naxes = SDL_CONTROLLER_AXIS_MAX;
    d.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    pads[n] = SDL_JoystickOpen(SDL_JoystickAttachVirtualEx(&d));
    ASSERT_NE(pads[n], nullptr) << SDL_GetError();
}

void debrancher(int n) {
    const SDL_JoystickID id = SDL_JoystickInstanceID(pads[n]);
    SDL_JoystickClose(pads[n]);
    pads[n] = nullptr;
    for (int i = 0; i < SDL_NumJoysticks(); ++i) {
        if (SDL_JoystickGetDeviceInstanceID(i) == id) {
            SDL_JoystickDetachVirtual(i);
        }
    }
}

void faire(const Pas &p, MatchDeTest &m, Manettes &manettes) {
    SDL_Joystick *pad = pads[p.pad];
    switch (p.geste) {
    case Mouvement::brancher:
        return brancher(p.pad);
    case Mouvement::debrancher:
        return debrancher(p.pad);
    case Mouvement::appuyer:
    case Mouvement::relacher:
        SDL_JoystickSetVirtualButton(pad, p.quoi, p.geste == Mouvement::appuyer);
        return;
    case Mouvement::manche:
        SDL_JoystickSetVirtualAxis(pad, p.quoi, static_cast<Sint16>(p.valeur));
        return;
    case Mouvement::ordinateur:
        return m.match.choisirPilote(0, {true, Niveau::expert}, p.t);
    case Mouvement::echanger:
        return manettes.echanger(true, m.match);
    case Mouvement::surLeSol:
        return modifier(m.plateaux.gauche, [](partieTest &t) { t.placerPiece(0, 4, 1); });
    case Mouvement::perdre:
        return modifier(m.plateaux.droite, [](partieTest &t) { t.fini = true; });
    case Mouvement::horloge:
        return;
    }
}

// Both type 0 pieces start at (4, 10) and pad 0 is plugged in; a player's held direction repeats
// after 200 ms, then every 50 ms.
TEST(Manettes, PadsPlayTheirWells) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    unsetenv("CUBEFALL_MANETTE_VIRTUELLE");
    Manettes manettes;
    ASSERT_TRUE(manettes.ouvrir({}));
    using G = Mouvement;
    const int entree = bloc().getY();
    const std::vector<Cas> cas = {
        {"a D-pad press moves the left well's piece, once; A turns once per press, B too",
         {{10, G::appuyer, 0, SDL_CONTROLLER_BUTTON_DPAD_LEFT, 0, 3},
          {20, G::relacher, 0, SDL_CONTROLLER_BUTTON_DPAD_LEFT, 0, 3},
          {30, G::appuyer, 0, SDL_CONTROLLER_BUTTON_A, 0, 3, 10, 1},
          {1000, G::relacher, 0, SDL_CONTROLLER_BUTTON_A, 0, 3, 10, 1},
          {1010, G::appuyer, 0, SDL_CONTROLLER_BUTTON_B, 0, 3, 10, 2}}},
        {"a held direction repeats at the player's rate",
         {{0, G::appuyer, 0, SDL_CONTROLLER_BUTTON_DPAD_RIGHT, 0, 5},
          {199, G::horloge, 0, 0, 0, 5},
          {200, G::horloge, 0, 0, 0, 6},
          {250, G::horloge, 0, 0, 0, 7},
          {260, G::relacher, 0, SDL_CONTROLLER_BUTTON_DPAD_RIGHT, 0, 7},
          {1000, G::horloge, 0, 0, 0, 7}}},
        {"the stick past half way holds, and lets go under 40 %",
         {{0, G::manche, 0, SDL_CONTROLLER_AXIS_LEFTX, -20000, 3},
          {100, G::manche, 0, SDL_CONTROLLER_AXIS_LEFTX, -15000, 3},
          {200, G::horloge, 0, 0, 0, 2},
          {210, G::manche, 0, SDL_CONTROLLER_AXIS_LEFTX, -10000, 2},
          {1000, G::horloge, 0, 0, 0, 2}}},
        {"Start pauses, the D-pad does nothing then, Start resumes",
         {{0, G::appuyer, 0, SDL_CONTROLLER_BUTTON_START, 0, 4, 10, 0, 4, true},
          {10, G::appuyer, 0, SDL_CONTROLLER_BUTTON_DPAD_LEFT, 0, 4, 10, 0, 4, true},
          {20, G::relacher, 0, SDL_CONTROLLER_BUTTON_START, 0, 4, 10, 0, 4, true},
          {1000, G::appuyer, 0, SDL_CONTROLLER_BUTTON_START, 0, 4, 10, 0, 4, false}}},
        {"a second pad plays the right well; unplugged mid-match, one pauses; a new one takes "
         "its well",
         {{0, G::brancher, 1},
          {5, G::appuyer, 1, SDL_CONTROLLER_BUTTON_DPAD_RIGHT, 0, 4, 10, 0, 5},
          {10, G::debrancher, 0, 0, 0, 4, 10, 0, 5, true},
          {20, G::brancher, 2, 0, 0, 4, 10, 0, 5, true},
          {30, G::appuyer, 1, SDL_CONTROLLER_BUTTON_START, 0, 4, 10, 0, 5},
          {40, G::appuyer, 2, SDL_CONTROLLER_BUTTON_DPAD_LEFT, 0, 3, 10, 0, 5}}},
        {"swapped, the first pad plays the right well",
         {{0, G::echanger}, {10, G::appuyer, 0, SDL_CONTROLLER_BUTTON_DPAD_RIGHT, 0, 4, 10, 0, 5}}},
        {"a well under the computer ignores its pad",
         {{0, G::ordinateur}, {10, G::appuyer, 0, SDL_CONTROLLER_BUTTON_A}}},
        {"held down stops once its piece settles",
         {{0, G::surLeSol, 0, 0, 0, 4, 1},
          {0, G::appuyer, 0, SDL_CONTROLLER_BUTTON_DPAD_DOWN, 0, 4, entree},
          {1000, G::horloge, 0, 0, 0, 4, entree}}},
        {"Back: nothing mid-match, the next match after the verdict",
         {{0, G::appuyer, 0, SDL_CONTROLLER_BUTTON_BACK},
          {10, G::relacher, 0, SDL_CONTROLLER_BUTTON_BACK},
          {10, G::perdre},
          {20, G::appuyer, 0, SDL_CONTROLLER_BUTTON_BACK, 0, 4, 16, 0, 4}}},
    };
    for (const Cas &c : cas) {
        SCOPED_TRACE(c.nom);
        MatchDeTest m;
        m.match.reglerRepetition({true, 200, 50});
        const auto lire = [&](Instant t) {
            for (const ::Geste geste : manettes.lire(t, m.match).gestes) {
                appliquerGeste(m.match, geste, t);
            }
        };
        brancher(0);
        lire(0);
        for (const Pas &p : c.pas) {
            SCOPED_TRACE("at " + std::to_string(p.t));
            faire(p, m, manettes);
            lire(p.t);
            m.match.avancer(p.t);
            EXPECT_EQ(m.plateaux.gauche.getX(), p.x1);
            EXPECT_EQ(m.plateaux.gauche.getY(), p.y1);
            EXPECT_EQ(m.plateaux.gauche.getRotation(), p.rotation1);
            EXPECT_EQ(m.plateaux.droite.getX(), p.x2);
            EXPECT_EQ(m.match.enPause(), p.pause);
        }
        for (int n = 0; n < 3; ++n) {
            if (pads[n] != nullptr) {
                debrancher(n);
            }
        }
        lire(5000);
        manettes.echanger(false, m.match);
    }
    MatchDeTest m;
    manettes.fermer(m.match);
}

} // namespace
