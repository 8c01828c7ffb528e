// The host's match and the joining machine's mirror in one process, the messages between them
// encoded, held back by a scripted delay, then decoded: no network.
#include "miroir.h"
#include "partie_test.h"
#include "prediction.h"

#include <gtest/gtest.h>

#include <deque>
#include <utility>

namespace {

constexpr Instant delai = 150;

// Messages on their way one way, each due after the delay.
struct Ligne {
    std::deque<std::pair<Instant, std::vector<std::uint8_t>>> enRoute;

    void envoyer(Instant t, const Message &m) { enRoute.emplace_back(t + delai, encoder(m)); }
    std::vector<Message> arrives(Instant t) {
        std::vector<Message> recus;
        while (!enRoute.empty() && enRoute.front().first <= t) {
            const auto &octets = enRoute.front().second;
            const std::optional<Recu> recu = decoder(octets.data(), octets.size());
            EXPECT_TRUE(recu);
            recus.push_back(recu->message);
            enRoute.pop_front();
        }
        return recus;
    }
};

// The host as its session plays the joining player's actions: taken on its match as they come,
// then its state sent with the last one taken.
struct Partie2Machines {
    MatchDeTest hote;
    Plateaux plateauxMiroir;
    Match miroir{plateauxMiroir};
    Prediction prediction{1};
    Ligne versHote, versInvite;
    std::uint32_t confirme = 0;
    std::optional<EtatMatch> envoye;
    Instant t = 0;

    Partie2Machines() {
        miroir.suivreActions(
            [this](int, Action action) { versHote.envoyer(t, prediction.noter(action)); });
        envoyerEtat();
    }
    // Only what changed since the last state, as the host's session sends it.
    void envoyerEtat() {
        EtatMatch etat = etatDe(hote.match);
        etat.confirme = confirme;
        versInvite.envoyer(t, difference(envoye, etat));
        envoye = etat;
    }
    // Time passes to `jusqua`, the messages due arriving on each side.
    void attendre(Instant jusqua) {
        for (; t <= jusqua; ++t) {
            for (const Message &m : versHote.arrives(t)) {
                const auto &action = std::get<ActionJoueur>(m);
                hote.match.agir(1, action.action);
                confirme = action.numero;
                envoyerEtat();
            }
            for (const Message &m : versInvite.arrives(t)) {
                EXPECT_TRUE(prediction.recevoir(miroir, std::get<EtatMatch>(m)));
            }
        }
    }
    int xHote() const { return hote.match.jeu(1).getX(); }
    int xIci() const { return miroir.jeu(1).getX(); }
};

// Pieces start as a type 0 at (4, 10) in both wells. The joining player's key moves their piece on
// their own screen at once; the host takes it one delay later, the confirmation comes back after
// another; a guess the host refuses (it paused meanwhile) is undone within one round trip; once
// every action is confirmed, both machines hold the same match.
TEST(Prediction, KeysFeltAtOnceGuessesCorrectedAndTheTwoAgree) {
    Partie2Machines m;
    m.attendre(delai);
    ASSERT_TRUE(m.prediction.synchronise());
    EXPECT_EQ(clicher(m.miroir.jeu(1)), clicher(m.hote.match.jeu(1)));

    m.miroir.agir(1, Action::gauche);
    EXPECT_EQ(m.xIci(), 3) << "felt at once";
    EXPECT_EQ(m.xHote(), 4);
    // A step on the host meanwhile: its state, without the action yet, keeps the guess on top.
    m.hote.match.seconde(m.t);
    m.envoyerEtat();
    m.attendre(m.t + delai);
    EXPECT_EQ(m.xHote(), 3);
    EXPECT_EQ(m.xIci(), 3);
    EXPECT_EQ(m.miroir.jeu(1).getY(), 9) << "the host's step came, the guess stayed on top";
    EXPECT_EQ(m.prediction.enAttente().size(), 1u);
    m.attendre(m.t + delai);
    EXPECT_TRUE(m.prediction.enAttente().empty());

    // The host pauses as the joining player moves: refused there, undone here.
    m.hote.match.basculerPause();
    m.envoyerEtat();
    m.miroir.agir(1, Action::gauche);
    EXPECT_EQ(m.xIci(), 2);
    m.attendre(m.t + 2 * delai + 1);
    EXPECT_EQ(m.xHote(), 3);
    EXPECT_EQ(m.xIci(), 3) << "corrected within one round trip";
    EXPECT_TRUE(m.miroir.enPause());

    m.hote.match.basculerPause();
    m.envoyerEtat();
    m.attendre(m.t + delai);
    for (const Action a : {Action::droite, Action::pivoter, Action::descendre, Action::droite}) {
        m.miroir.agir(1, a);
        m.attendre(m.t + 40);
    }
    m.attendre(m.t + 2 * delai + 1);
    EXPECT_TRUE(m.prediction.enAttente().empty());
    for (int puits = 0; puits < 2; ++puits) {
        EXPECT_EQ(clicher(m.miroir.jeu(puits)), clicher(m.hote.match.jeu(puits)));
    }
    EXPECT_EQ(m.miroir.seance().numero, m.hote.match.seance().numero);

    // A full row of cubes in a game not over: no game shows one, and the state is refused whole.
    EtatMatch impossible = etatDe(m.hote.match);
    for (auto &colonne : impossible.puits[0]->cases) {
        colonne[0] = casePosee;
    }
    EXPECT_FALSE(m.prediction.recevoir(m.miroir, impossible));
    EXPECT_EQ(clicher(m.miroir.jeu(0)), clicher(m.hote.match.jeu(0)));
}

} // namespace
