#pragma once

#include "adresse.h"
#include "session.h"
#include "session_hote.h"
#include "session_invite.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct _ENetHost;
struct _ENetPeer;

// A network match over ENet, which only this file's code reaches: the host's or the joining
// machine's session (session.h) with the socket it speaks through. Two channels per connection:
// one reliable and in order for the hello, the welcome, the refusals and the orders, and one
// where the states and the answers go unsequenced, each datagram on its own.
//
// Whatever comes to the port, the match goes on: every wake-up reads until the socket is empty
// (an empty datagram stops ENet's own reading, however many wait behind it), within a bound of
// work, and whatever is left waits for the next wake-up, soon after. Datagrams that fail ENet's
// checksum are dropped unread; one address holds a few connections at most; a connection that
// never completes is given up within about 3 seconds, as a machine that vanished is; a packet or
// the data a connection holds waiting beyond what our messages need is refused.
class TransportEnet {
public:
    // Listens on the port, on every interface, for the host's session. Nothing, and why in
    // `erreur` (a sentence for the player), when it cannot.
    static std::unique_ptr<TransportEnet> heberger(std::uint16_t port, std::string &erreur);
    // Looks the host's name up, for the joining machine's session. Nothing, and why, when it
    // cannot.
    static std::unique_ptr<TransportEnet> rejoindre(const AdresseJeu &adresse, std::string &erreur);
    // Tells every machine connected that this one goes, at once.
    ~TransportEnet();
    TransportEnet(const TransportEnet &) = delete;
    TransportEnet &operator=(const TransportEnet &) = delete;

    Session &session() { return *session_; }
    const Session &session() const { return *session_; }
    // The same, as the host's or the joining machine's, or null.
    SessionHote *hote() { return sessionHote_; }
    SessionInvite *invite() { return sessionInvite_; }

    // What arrived, handed to the session (at most `evenementsMax` events), what is due, and
    // what the session asks sent; then the news.
    Nouvelles servir(std::int64_t maintenant, Match &match);
    std::optional<std::int64_t> prochaineEcheance(std::int64_t maintenant,
                                                  const Match &match) const;
    // What the session asked since (after an action or a gesture) goes out now.
    void envoyer();

    // The UDP port this machine listens on.
    std::uint16_t port() const;
    // Wake-ups that left datagrams waiting for the next, and ENet's errors while reading.
    unsigned reportes() const { return reportes_; }
    unsigned erreurs() const { return erreurs_; }

    // A wake-up hands the session this many events at most, and asks ENet to read this many
    // times at most.
    static constexpr int evenementsMax = 512;
    static constexpr int lecturesMax = 64;
    // How soon a wake-up that left datagrams waiting comes again.
    static constexpr std::int64_t reprise = 5;

private:
    TransportEnet(_ENetHost *enet, std::unique_ptr<SessionHote> session);
    TransportEnet(_ENetHost *enet, std::unique_ptr<SessionInvite> session, std::uint32_t ip,
                  std::uint16_t port);
    IdPair identifier(_ENetPeer *pair);
    _ENetPeer *pairDe(IdPair id) const;
    void oublier(IdPair id);
    void lire(std::int64_t maintenant, Match &match);
    void regler();

    _ENetHost *enet_;
    std::unique_ptr<Session> session_;
    SessionHote *sessionHote_ = nullptr;
    SessionInvite *sessionInvite_ = nullptr;
    // Where a joining machine connects: the host's IPv4 address and port.
    std::optional<std::pair<std::uint32_t, std::uint16_t>> cible_;
    std::vector<std::pair<IdPair, _ENetPeer *>> pairs_;
    IdPair prochainId_ = 1;
    // When a wake-up that left datagrams waiting comes back for them.
    std::optional<std::int64_t> reprendre_;
    unsigned reportes_ = 0;
    unsigned erreurs_ = 0;
};
