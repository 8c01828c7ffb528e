#pragma once

#include "boutons.h"
#include "gestes.h"
#include "match.h"
#include "repetition.h"

#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

struct _SDL_GameController;

// Gamepads through SDL's game controller subsystem alone (GLUT keeps the window and the keys).
// The first pad connected plays the left well, the second the right one; a pad connected later
// takes the first free well, and one unplugged mid-match pauses it. Pads are optional: when SDL's
// controllers cannot start, one line on standard error says so and the keyboard plays alone.
// Times are the caller's clock, in milliseconds. SDL's controllers are one for the process: one
// Manettes at a time.
class Manettes {
public:
    Manettes() = default;
    ~Manettes();
    Manettes(const Manettes &) = delete;
    Manettes &operator=(const Manettes &) = delete;

    // Starts SDL's controllers, with the player's mappings from SDL_GAMECONTROLLERCONFIG (SDL
    // reads it) and from gamecontrollerdb.txt in `dossierReglages`. True when pads can be used.
    bool ouvrir(const std::filesystem::path &dossierReglages);
    void fermer(Match &match);

    // Swapped, the first pad plays the right well and the second the left one.
    void echanger(bool echange, Match &match);
    // In a match over the network every pad plays this machine's well, or none on a machine that
    // watches or waits.
    void jouerSeul(std::optional<int> puits, Match &match);

    // SDL sees a pad's buttons, and a pad come or gone, only when asked: when to ask next, often
    // while a pad is connected, a few times a second otherwise.
    std::optional<Instant> prochaineLecture(Instant maintenant);

    // What the pads did since the last reading, played on the match: whether it may have changed
    // the picture, and the gestures asked of the game (Start, Back, a pad unplugged mid-match).
    struct Lecture {
        bool change = false;
        std::vector<Geste> gestes;
    };
    Lecture lire(Instant maintenant, Match &match);

private:
    struct Manette {
        _SDL_GameController *controleur;
        int id;
        EtatManette etat;
    };

    Manette *trouver(int id);
    int puitsLibre() const;
    void brancher(int index);
    bool debrancher(int id, Match &match);
    void signalerSansCorrespondance(int index);

    bool ouvert_ = false;
    bool echange_ = false;
    std::optional<std::optional<int>> seul_;
    std::vector<Manette> manettes_;
    std::optional<Instant> prochaineLecture_;
    // Devices without a mapping are named once each.
    std::set<std::string> sansCorrespondance_;
};

// While a pad is connected, how often it is read: a press acts within one such interval.
constexpr Instant intervalleLecture = 12;
// With none connected, how often the game looks for one.
constexpr Instant intervalleRecherche = 250;
