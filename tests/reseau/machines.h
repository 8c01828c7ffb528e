#pragma once

#include "session_hote.h"
#include "session_invite.h"

#include "partie_test.h"

#include <deque>
#include <functional>
#include <memory>
#include <random>
#include <vector>

// A host's session and joining machines' sessions in one process, with the wire between them:
// each message encoded, held back by a delay, a share of the unreliable ones dropped, then decoded
// on arrival, as a transport would hand it over. Time is simulated a millisecond at a time; each
// session is served when it asks, the host's match steps every second. No socket.
class Machines {
public:
    explicit Machines(Instant delai = 50, double perte = 0, unsigned graine = 1);

    struct Invite {
        MatchDeTest jeux;
        SessionInvite session{{"hote", portParDefaut}};
        std::uint32_t ip;
        std::optional<IdPair> chezHote; // its connection's number on the host
        bool eteint = false;            // killed: it sends and hears nothing more
        std::uint32_t actions = 0;      // the actions its mirror took, and sent
    };

    MatchDeTest hote;
    SessionHote sessionHote{portParDefaut, {}};
    // Told each millisecond as it begins (a recorder keeps time with it).
    std::function<void(Instant)> tic;
    std::vector<std::unique_ptr<Invite>> invites;
    Instant t = 0;

    // A joining game started at an address: it connects when its session asks.
    Invite &rejoindre(std::uint32_t ip);
    // Killed: nothing more from it; the host notices when a transport would, 3 seconds later.
    void tuer(Invite &invite);
    // The joining player's action on their own screen.
    void agir(Invite &invite, Action action);
    // Time passes, messages arrive, sessions are served, the host's match steps.
    void attendre(Instant duree);

    // A machine of no game's: a connection to the host, and any bytes from it.
    IdPair brancher(std::uint32_t ip);
    void injecter(IdPair pair, const std::vector<std::uint8_t> &octets);
    void injecter(IdPair pair, const Message &message) { injecter(pair, encoder(message)); }
    // Whether the host still holds that connection (it has not asked to drop it).
    bool branche(IdPair pair) const;
    // What the host sent that machine, decoded.
    std::vector<Message> recus(IdPair pair) const;

    void regler(Instant delai, double perte) {
        delai_ = delai;
        perte_ = perte;
    }

    bool enAccord(const Invite &invite) const;

private:
    struct EnRoute {
        Instant du;
        bool versHote;
        IdPair pair; // on the host
        std::vector<std::uint8_t> octets;
    };
    Invite *invitePour(IdPair pair);
    void expedier(Session &session, bool versHote, std::optional<IdPair> pair);
    void servir();

    Instant delai_;
    double perte_;
    std::mt19937 hasard_;
    std::deque<EnRoute> enRoute_;
    std::vector<std::pair<Instant, IdPair>> departs_;
    std::vector<IdPair> coupes_;
    std::vector<std::pair<IdPair, std::vector<std::uint8_t>>> versBruts_;
    IdPair prochainId_ = 1;
    Instant prochaineSeconde_ = 1000;
};
