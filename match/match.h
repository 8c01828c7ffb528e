#pragma once

#include "action.h"
#include "entrees.h"
#include "faits.h"
#include "liaisons.h"
#include "ordinateur.h"
#include "partie.h"
#include "pilotes.h"
#include "repetition.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

enum class Verdict {
    enCours,
    gagneGauche, // the right well overflowed
    gagneDroite, // the left well overflowed
    nul,         // both overflowed: nobody scores the match
};

// Two games of a match's own with their score thresholds, for a match that does not play the
// game's globals: tests and benchmarks.
struct Plateaux {
    partie gauche;
    partie droite;
    int seuilGauche = 0;
    int seuilDroite = 0;
};

// One sitting of matches between the left well (0) and the right one (1): the two games it plays,
// the pause, the tally, the verdict, who plays each well (a player, or the computer, which it
// times), the actions held down and their repeats, and the one-second step with its exchange of
// garbage. What happens is told to its listeners as facts. Time comes in as an argument, in
// milliseconds on whatever clock the caller reads.
class Match {
public:
    Match(partie &gauche, partie &droite, int &seuilGauche, int &seuilDroite);
    explicit Match(Plateaux &plateaux);
    Match(const Match &) = delete;
    Match &operator=(const Match &) = delete;

    partie &jeu(int puits) { return *jeux_[puits]; }
    const partie &jeu(int puits) const { return *jeux_[puits]; }
    int seuil(int puits) const { return *seuils_[puits]; }

    void ecouter(EcouteurMatch &ecouteur);
    void oublier(EcouteurMatch &ecouteur);
    void ecouterEntrees(EcouteurEntrees *ecouteur) { entrees_ = ecouteur; }
    // A match a replay drives: the computer does not play it, nor does the next match of a game
    // playing itself begin by itself; every action comes from the replay.
    void lire(bool lecture) { lecture_ = lecture; }
    bool enLecture() const { return lecture_; }
    // An action played again from a replay, as the match took it: the pause and the opponent's end
    // still hold it back, whoever plays the well.
    void jouerEnregistre(int puits, Action action);
    // Told each action of a player's that the match takes (not the computer's): a machine that
    // mirrors another's match sends them on.
    void suivreActions(std::function<void(int puits, Action action)> suivi) {
        suiviActions_ = std::move(suivi);
    }

    // The sitting. While paused, the one-second steps and the players' actions do nothing, and
    // held actions stop.
    Verdict verdict() const;
    bool enPause() const { return pause_; }
    // Matches won in this sitting by the left and the right player.
    int victoires(int puits) const { return victoires_[puits]; }
    // Which match of the sitting this is, from 0.
    unsigned numero() const { return numero_; }
    // Grows with anything that may have changed the match: whoever sends its state on need not
    // look at it again while this stands.
    std::uint64_t revision() const { return revision_; }
    void basculerPause();
    // Pauses; never plays on.
    void mettreEnPause();
    // Both wells emptied, scores, thresholds and waiting garbage back to 0, new first pieces drawn
    // as at start-up. The tally and who plays are kept; the new match is not paused.
    void nouveauMatch();
    // The next match, once this one is over; false, and nothing, until then.
    bool matchSuivant();
    // Counts a finished match in the tally, once; for a caller that changes the games itself.
    void compterIssue();

    // What the sitting stands at, besides the games, for a machine that mirrors another's match.
    struct Seance {
        bool pause = false;
        int victoires[2] = {0, 0};
        unsigned numero = 0;
        int seuils[2] = {0, 0};
    };
    Seance seance() const;
    // The mirror takes the sitting as the other machine has it. Held actions stop with a pause or
    // a new match, as they do there.
    void adopter(const Seance &seance);
    // An action played again as the match plays it, with nothing told: for a machine that
    // predicts its own well on top of another's state.
    void rejouer(int puits, Action action);

    // Who plays each well. A new match keeps them; a computer changed looks at its well afresh.
    const Pilote &pilote(int puits) const { return puits_[puits].pilote; }
    void choisirPilote(int puits, Pilote choix, Instant maintenant);
    void piloteSuivant(int puits, Instant maintenant);
    std::string nomPilote(int puits) const;

    // The one way into a well for its player's four actions, whoever asks: a key, a pad. Nothing
    // while paused, once the opponent's game is over, or when the computer plays that well;
    // otherwise the action on the game, and what it changed told.
    void agir(int puits, Action action);

    // An action held down: it acts at once, then repeats at the desktop's rate while held and the
    // match runs; down stops once its piece has settled. A press during the pause does nothing
    // and does not start repeating when the pause ends.
    void enfoncer(const Source &source, Commande commande, Instant maintenant);
    void relacher(const Source &source);
    // Every key counts as released (the keyboard went elsewhere); other devices keep theirs.
    void relacherClavier();
    void reglerRepetition(ReglageRepetition reglage) { repetition_.regler(reglage); }

    // The one-second step: garbage traded and gravity for both players, unless paused; the
    // computers keep time with it, their first key of the second pressed with it.
    void seconde(Instant maintenant);
    // When a held action repeats next, the computer presses its next key, or the next match of a
    // game playing itself begins.
    std::optional<Instant> prochaineEcheance(Instant maintenant);
    // What is due by now. True when it may have changed the picture.
    bool avancer(Instant maintenant);

    // After the verdict of a match the computer played at both wells, the next one starts by
    // itself.
    static constexpr Instant attenteDemo = 5000;

private:
    class Observation;
    struct Puits {
        Pilote pilote;
        Ordinateur ordinateur;
        std::optional<Instant> prochainCoup;
    };
    struct Tenue {
        Source source;
        Commande commande;
        // How many pieces the well had settled when it went down.
        int posees;
    };

    void signaler(const Fait &fait);
    Cliche cliche() const;
    // An action past the keyboard's own conditions: the pause and the opponent's end.
    void jouer(int puits, Action action);
    bool demo() const;
    void armer(int puits, Instant maintenant);
    void arreterRepetitions();
    bool repeter(const Source &source);
    std::optional<Instant> prochainCoupOrdinateur(Instant maintenant);
    bool jouerOrdinateurs(Instant maintenant);

    partie *jeux_[2];
    int *seuils_[2];
    std::vector<EcouteurMatch *> ecouteurs_;
    EcouteurEntrees *entrees_ = nullptr;
    bool lecture_ = false;
    std::function<void(int, Action)> suiviActions_;
    int observationsOuvertes_ = 0;
    unsigned numero_ = 0;
    std::uint64_t revision_ = 0;
    bool pause_ = false;
    int victoires_[2] = {0, 0};
    // The tally counts a finished match once, however many steps and keys come after its end.
    bool issueComptee_ = false;
    Puits puits_[2];
    // When the last one-second step came, once one has.
    std::optional<Instant> derniereSeconde_;
    // When the demo's next match is due, once its verdict has been seen.
    std::optional<Instant> prochainMatch_;
    // The computer's own slips are its own: they do not follow the pieces.
    std::random_device graines_;
    RepetitionTouches repetition_;
    std::vector<Tenue> tenues_;
};
