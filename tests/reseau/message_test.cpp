#include "message.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using Octets = std::vector<std::uint8_t>;

ClichePartie unPuits(int graine) {
    ClichePartie c;
    c.cases[0][0] = caseTombante;
    c.cases[9][17] = casePosee;
    c.cases[static_cast<std::size_t>(graine % 10)][3] = casePosee;
    c.type = 6;
    c.rotation = 3;
    c.x = -40000;
    c.y = 16;
    c.fini = true;
    c.score = 2650;
    c.penalite = penaliteMax;
    c.posees = 123456;
    return c;
}

EtatMatch unEtat() {
    EtatMatch e;
    e.numero = 7;
    e.pause = true;
    e.victoires[0] = 3;
    e.victoires[1] = 65535;
    e.seuils[0] = 500;
    e.seuils[1] = 2000;
    e.confirme = 99;
    e.puits[0] = unPuits(1);
    e.puits[1] = unPuits(2);
    e.faits = {{Evenement::lignes4, 1}, {Evenement::lignesRecues, 0, 4}, {Evenement::victoire, -1}};
    return e;
}

// Where the fields of a state with both wells lie: the header, 21 bytes of the sitting, then each
// well (its flags, 45 bytes of cells, the piece, x, y, score, waiting garbage, pieces settled),
// then the facts.
constexpr std::size_t debutPuits = 2 + 21;
constexpr std::size_t piece = debutPuits + 46;
constexpr std::size_t finPuits = debutPuits + 65;
constexpr std::size_t nombreFaits = debutPuits + 2 * 65;

struct Cas {
    std::string nom;
    Message message;
    std::function<void(Octets &)> changer;
};

// Every message comes back whole from its bytes; its bytes cut short, or one more, or a value out
// of range, give nothing.
TEST(Message, EveryTypeRoundTripsAndAnythingElseIsRefused) {
    EtatMatch unPuitsSeul = unEtat();
    unPuitsSeul.puits[0].reset();
    unPuitsSeul.faits.clear();
    EtatMatch sansCases = unEtat();
    sansCases.puits[1]->avecCases = false;
    for (const Message &m : std::vector<Message>{
             Bonjour{}, Refus{}, Accueil{true}, Accueil{false}, ActionJoueur{1, Action::pivoter},
             ActionJoueur{0xFFFFFFFF, Action::descendre}, DemandeSeance{Ordre::matchSuivant},
             unEtat(), unPuitsSeul, sansCases, EtatMatch{}}) {
        SCOPED_TRACE(m.index());
        const Octets octets = encoder(m);
        const std::optional<Recu> recu = decoder(octets.data(), octets.size());
        ASSERT_TRUE(recu);
        EXPECT_EQ(recu->version, versionProtocole);
        EXPECT_TRUE(recu->message == m);
        for (const std::size_t taille : {std::size_t{0}, std::size_t{1}, octets.size() - 1}) {
            EXPECT_FALSE(decoder(octets.data(), std::min(taille, octets.size() - 1)));
        }
        Octets plus = octets;
        plus.push_back(0);
        EXPECT_FALSE(decoder(plus.data(), plus.size()));
    }
    Octets enorme(tailleMessageMax + 1, 0);
    EXPECT_FALSE(decoder(enorme.data(), enorme.size()));

    const std::vector<Cas> refuses = {
        {"an unknown type", Accueil{}, [](Octets &o) { o[1] = 7; }},
        {"a welcome neither player nor watcher", Accueil{}, [](Octets &o) { o[2] = 2; }},
        {"a fifth action", ActionJoueur{}, [](Octets &o) { o[6] = 4; }},
        {"a fifth command", DemandeSeance{}, [](Octets &o) { o[2] = 4; }},
        {"another version's action", ActionJoueur{}, [](Octets &o) { o[0] = 2; }},
        {"a cell of code 3", unEtat(), [](Octets &o) { o[debutPuits + 5] = 0xFF; }},
        {"a piece of type 7", unEtat(), [](Octets &o) { o[piece] = 0x07; }},
        {"a fifth turn", unEtat(), [](Octets &o) { o[piece] = 0x40; }},
        {"an anchor beyond any well's reach", unEtat(), [](Octets &o) { o[piece + 4] = 0x7F; }},
        {"an unknown flag of a well", unEtat(), [](Octets &o) { o[debutPuits] |= 4; }},
        {"a score below zero", unEtat(), [](Octets &o) { o[piece + 12] = 0x80; }},
        {"more pieces settled than any game", unEtat(), [](Octets &o) { o[finPuits - 1] = 0x7F; }},
        {"too much garbage waiting", unEtat(), [](Octets &o) { o[finPuits - 5] = 0xFF; }},
        {"an unknown flag of the sitting", unEtat(), [](Octets &o) { o[6] |= 8; }},
        {"a threshold below zero", unEtat(), [](Octets &o) { o[12] = 0x80; }},
        {"65 facts", unEtat(), [](Octets &o) { o[nombreFaits] = 65; }},
        {"an unknown fact", unEtat(), [](Octets &o) { o[nombreFaits + 1] = 14; }},
        {"a fact of a third well", unEtat(), [](Octets &o) { o[nombreFaits + 2] = 3; }},
        {"zero rows of garbage", unEtat(), [](Octets &o) { o[nombreFaits + 7] = 0; }},
    };
    for (const Cas &c : refuses) {
        SCOPED_TRACE(c.nom);
        Octets octets = encoder(c.message);
        c.changer(octets);
        EXPECT_FALSE(decoder(octets.data(), octets.size()));
    }

    // A hello and a refusal of any version still say which version they are.
    for (const Message &m : std::vector<Message>{Bonjour{}, Refus{}}) {
        Octets octets = encoder(m);
        octets[0] = 200;
        const std::optional<Recu> recu = decoder(octets.data(), octets.size());
        ASSERT_TRUE(recu);
        EXPECT_EQ(recu->version, 200);
    }

    // Each order carries out on the host the gesture that sent it; who plays stays each machine's.
    for (const Ordre o :
         {Ordre::pause, Ordre::mettreEnPause, Ordre::nouveauMatch, Ordre::matchSuivant}) {
        EXPECT_EQ(ordreDe(gesteDe(o)), o);
    }
    EXPECT_FALSE(ordreDe(Geste::piloteGauche));
}

} // namespace
