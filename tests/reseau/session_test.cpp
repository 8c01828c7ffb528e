// The host's session and the joining machines' in one process, the wire between them simulated
// (machines.h): the match through its whole life, loss, and machines that misbehave.
#include "echeance.h"
#include "machines.h"
#include "miroir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>

namespace {

constexpr std::uint32_t ici = 0x0A000002, ailleurs = 0x0A000003;

using Etat = SessionHote::Etat;

// Pieces start as a type 0 at (4, 10). Waiting, joined, keys felt at once and taken by the host,
// a stall of 2 s that changes nothing, the player vanished, a watcher from elsewhere, the seat
// taken back from the player's address by a game started again, and given up after 2 minutes.
TEST(Sessions, AMatchFromItsPlayersFirstHelloToTheirLast) {
    Machines m;
    EXPECT_EQ(m.sessionHote.etat(), Etat::attente);
    EXPECT_FALSE(m.sessionHote.matchIci());
    EXPECT_FALSE(m.sessionHote.puitsJoue());

    Machines::Invite &a = m.rejoindre(ici);
    m.attendre(300);
    ASSERT_EQ(m.sessionHote.etat(), Etat::enJeu);
    EXPECT_EQ(a.session.etat(), SessionInvite::Etat::joueur);
    EXPECT_EQ(a.session.puitsJoue(), puitsInvite);
    EXPECT_EQ(m.sessionHote.puitsJoue(), puitsHote);
    EXPECT_TRUE(m.enAccord(a));

    m.agir(a, Action::gauche);
    EXPECT_EQ(a.jeux.match.jeu(1).getX(), 3) << "felt at once";
    EXPECT_EQ(m.hote.match.jeu(1).getX(), 4);
    m.attendre(60);
    EXPECT_EQ(m.hote.match.jeu(1).getX(), 3);
    m.attendre(200);
    EXPECT_EQ(a.session.confirme(), 1u);
    EXPECT_TRUE(m.enAccord(a));

    // The host pauses as the joining player moves: refused there, undone here.
    m.sessionHote.geste(Geste::pause, m.hote.match, m.t);
    m.agir(a, Action::gauche);
    m.attendre(300);
    EXPECT_EQ(a.jeux.match.jeu(1).getX(), 3) << "corrected within a round trip";
    EXPECT_TRUE(a.jeux.match.enPause());
    m.sessionHote.geste(Geste::pause, m.hote.match, m.t);

    m.regler(2000, 0);
    for (const Action action : {Action::droite, Action::pivoter, Action::droite}) {
        m.agir(a, action);
        m.attendre(100);
    }
    m.regler(50, 0);
    m.attendre(2500);
    EXPECT_EQ(m.sessionHote.etat(), Etat::enJeu);
    EXPECT_TRUE(m.enAccord(a)) << "a stall of 2 s, and nothing lost";

    m.tuer(a);
    m.attendre(3100);
    EXPECT_EQ(m.sessionHote.etat(), Etat::suspendu);
    EXPECT_TRUE(m.hote.match.enPause());
    const unsigned numero = m.hote.match.numero();

    Machines::Invite &b = m.rejoindre(ailleurs);
    m.attendre(300);
    EXPECT_EQ(b.session.etat(), SessionInvite::Etat::spectateur) << "the seat is kept";
    EXPECT_EQ(m.sessionHote.etat(), Etat::suspendu);

    Machines::Invite &c = m.rejoindre(ici);
    m.attendre(300);
    EXPECT_EQ(c.session.etat(), SessionInvite::Etat::joueur);
    EXPECT_EQ(m.sessionHote.etat(), Etat::enJeu);
    EXPECT_EQ(m.hote.match.numero(), numero) << "the same match, taken up";
    EXPECT_TRUE(m.enAccord(c));
    EXPECT_TRUE(m.enAccord(b));

    // Killed and started again at once: the old connection is not yet known to be gone.
    m.tuer(c);
    Machines::Invite &d = m.rejoindre(ici);
    m.attendre(300);
    EXPECT_EQ(d.session.etat(), SessionInvite::Etat::joueur);
    m.attendre(3500);
    EXPECT_EQ(m.sessionHote.etat(), Etat::enJeu) << "the old connection's end changes nothing";

    m.tuer(d);
    m.attendre(3500 + SessionHote::attenteRetour);
    EXPECT_EQ(m.sessionHote.etat(), Etat::attente);
    EXPECT_FALSE(m.sessionHote.matchIci());
}

// At 150 ms each way, a share of datagrams dropped each way: an action reaches the host a trip
// later whatever was lost, unless it was lost twice; the round trip of an action stays near the
// trip's; the two machines agree after every burst of keys.
TEST(Sessions, ALostDatagramCostsOnlyItself) {
    for (const double perte : {0.05, 0.10}) {
        SCOPED_TRACE(perte);
        Machines m(150, perte, 5);
        Machines::Invite &a = m.rejoindre(ici);
        m.attendre(1000);
        std::mt19937 hasard(9);
        std::vector<Instant> envoyees, prises, allers;
        const auto attendre = [&](Instant duree) {
            for (; duree > 0; --duree) {
                m.attendre(1);
                while (prises.size() < m.sessionHote.confirme()) {
                    prises.push_back(m.t - envoyees[prises.size()]);
                }
                while (allers.size() < a.session.confirme()) {
                    allers.push_back(m.t - envoyees[allers.size()]);
                }
            }
        };
        for (int n = 1; n <= 400; ++n) {
            m.agir(a, static_cast<Action>(hasard() % 3));
            envoyees.resize(a.actions, m.t);
            attendre(40 + hasard() % 400);
            if (n % 50 == 0) {
                m.sessionHote.geste(Geste::pause, m.hote.match, m.t);
                attendre(2000);
                EXPECT_TRUE(m.enAccord(a)) << "after " << n << " keys";
                m.sessionHote.geste(Geste::nouveauMatch, m.hote.match, m.t);
                attendre(500);
            }
        }
        ASSERT_GT(prises.size(), 300u);
        const auto tard = std::count_if(prises.begin(), prises.end(), [](Instant d) {
            return d > 150 + intervalleImage + serviceActif;
        });
        EXPECT_LE(static_cast<double>(tard), static_cast<double>(prises.size()) * perte * perte * 3)
            << "only the keys lost twice come late";
        std::sort(allers.begin(), allers.end());
        if (perte <= 0.05) {
            EXPECT_LE(allers[allers.size() * 99 / 100], 400) << "p99 of the round trip";
        }
    }
}

// Whatever a connected machine does, the player's keys still act on the host's match and the
// other machines stay.
TEST(Sessions, AMisbehavingMachineCannotSpoilTheMatch) {
    struct Cas {
        std::string nom;
        std::function<void(Machines &, Machines::Invite &)> abus;
        std::function<void(Machines &, Machines::Invite &)> apres;
    };
    const auto etatSansFin = [](Machines &m, IdPair pair) {
        // A state that only repeats what it holds, to count as a message of the right kind.
        m.injecter(pair, Retour{});
    };
    const std::vector<Cas> cas = {
        {"a watcher sends faster than any game: dropped",
         [&](Machines &m, Machines::Invite &) {
             const IdPair p = m.brancher(0x0A000009);
             m.injecter(p, Bonjour{});
             for (int i = 0; i < 1000; ++i) {
                 etatSansFin(m, p);
             }
             EXPECT_FALSE(m.branche(p));
         },
         {}},
        {"connections that never say hello: dropped after a few seconds",
         [](Machines &m, Machines::Invite &) {
             std::vector<IdPair> muets;
             for (std::uint32_t i = 0; i < 12; ++i) {
                 muets.push_back(m.brancher(0x0B000000 + i));
             }
             m.attendre(SessionHote::attenteBonjour + 200);
             for (const IdPair p : muets) {
                 EXPECT_FALSE(m.branche(p));
             }
         },
         [](Machines &m, Machines::Invite &) {
             const IdPair p = m.brancher(0x0C000001);
             m.injecter(p, Bonjour{});
             EXPECT_EQ(m.recus(p).front(), Message(Accueil{false, Raison::joueurPresent}));
         }},
        {"one address holds four connections at most",
         [](Machines &m, Machines::Invite &) {
             std::vector<IdPair> memes;
             for (int i = 0; i < 6; ++i) {
                 memes.push_back(m.brancher(0x0A000007));
             }
             EXPECT_EQ(
                 std::count_if(memes.begin(), memes.end(), [&](IdPair p) { return m.branche(p); }),
                 4);
         },
         {}},
        {"thousands of actions a second: refused, yet confirmed",
         [](Machines &m, Machines::Invite &a) {
             Retour retour;
             retour.premiere = m.sessionHote.confirme() + 1;
             retour.actions.assign(actionsMax, Action::descendre);
             for (int i = 0; i < 40; ++i) {
                 m.sessionHote.reception(*a.chezHote, encoder(retour).data(),
                                         encoder(retour).size(), m.t, m.hote.match);
                 retour.premiere += actionsMax;
             }
             EXPECT_EQ(m.sessionHote.confirme(), 40 * actionsMax);
             EXPECT_GT(m.sessionHote.actionsRefusees(), 40 * actionsMax - 100);
             m.attendre(500);
         },
         {}},
        {"the joining player's p cannot lift the pause of the host's hidden window",
         [](Machines &m, Machines::Invite &a) {
             m.sessionHote.geste(Geste::mettreEnPause, m.hote.match, m.t);
             for (const Geste g : {Geste::pause, Geste::nouveauMatch}) {
                 a.session.geste(g, a.jeux.match, m.t);
                 m.attendre(200);
                 EXPECT_TRUE(m.hote.match.enPause());
             }
             m.sessionHote.geste(Geste::pause, m.hote.match, m.t);
         },
         {}},
        {"nor the host's p the joining player's",
         [](Machines &m, Machines::Invite &a) {
             a.session.geste(Geste::mettreEnPause, a.jeux.match, m.t);
             m.attendre(200);
             m.sessionHote.geste(Geste::pause, m.hote.match, m.t);
             EXPECT_TRUE(m.hote.match.enPause());
             a.session.geste(Geste::pause, a.jeux.match, m.t);
             m.attendre(200);
         },
         {}},
        {"a watcher that never says what it holds: dropped once the facts pile up",
         [&](Machines &m, Machines::Invite &) {
             const IdPair p = m.brancher(0x0A000009);
             m.injecter(p, Bonjour{});
             for (int i = 0; i < 300; ++i) {
                 m.hote.match.basculerPause();
                 m.attendre(20);
             }
             EXPECT_FALSE(m.branche(p));
         },
         {}},
        {"a ninth watcher is refused; a version refused; junk dropped and counted",
         [](Machines &m, Machines::Invite &) {
             for (std::uint32_t i = 0; i < 9; ++i) {
                 const IdPair p = m.brancher(0x0D000000 + i);
                 m.injecter(p, Bonjour{});
                 EXPECT_EQ(m.recus(p).front(), i < 8
                                                   ? Message(Accueil{false, Raison::joueurPresent})
                                                   : Message(Complet{}));
             }
             EXPECT_EQ(m.sessionHote.spectateurs(), 8u);
             const IdPair autre = m.brancher(0x0E000001);
             std::vector<std::uint8_t> bonjour9 = encoder(Bonjour{});
             bonjour9[0] = 9;
             m.injecter(autre, bonjour9);
             EXPECT_EQ(m.recus(autre).front(), Message(Refus{}));
             const unsigned avant = m.sessionHote.rejetes();
             std::mt19937 hasard(3);
             for (int i = 0; i < 50; ++i) {
                 std::vector<std::uint8_t> bruit(hasard() % 40);
                 std::generate(bruit.begin(), bruit.end(), hasard);
                 m.injecter(*m.invites[0]->chezHote, bruit);
                 m.attendre(2);
             }
             EXPECT_GE(m.sessionHote.rejetes(), avant + 45);
         },
         {}},
        {"a host that floods its guest: the guest goes, and comes back",
         [](Machines &m, Machines::Invite &a) {
             EtatMatch vide;
             vide.recul = 1;
             for (int i = 0; i < 1000; ++i) {
                 const auto octets = encoder(vide);
                 a.session.reception(1, octets.data(), octets.size(), m.t, a.jeux.match);
             }
             m.attendre(4000);
             EXPECT_EQ(a.session.etat(), SessionInvite::Etat::joueur);
         },
         {}},
    };
    for (const Cas &c : cas) {
        SCOPED_TRACE(c.nom);
        Machines m;
        Machines::Invite &a = m.rejoindre(ici);
        m.attendre(300);
        ASSERT_EQ(a.session.etat(), SessionInvite::Etat::joueur);
        c.abus(m, a);
        if (c.apres) {
            c.apres(m, a);
        }
        EXPECT_EQ(m.sessionHote.etat(), Etat::enJeu);
        if (m.hote.match.enPause()) {
            m.sessionHote.geste(Geste::pause, m.hote.match, m.t);
        }
        m.attendre(300);
        if (c.nom.rfind("thousands", 0) == 0) {
            // That player's own numbers are spoilt: what counts is that nobody is buried.
            continue;
        }
        const int x = m.hote.match.jeu(1).getX();
        m.agir(a, Action::gauche);
        m.attendre(300);
        EXPECT_EQ(m.hote.match.jeu(1).getX(), x - 1) << "the player's keys still act";
        EXPECT_TRUE(m.enAccord(a));
    }
}

} // namespace
