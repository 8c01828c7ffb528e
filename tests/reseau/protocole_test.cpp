#include "miroir.h"
#include "protocole.h"

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

EtatComplet unEtatComplet() {
    EtatComplet e;
    e.seance.numero = 7;
    e.seance.pause = true;
    e.seance.victoires[0] = 3;
    e.seance.victoires[1] = 65535;
    e.seance.seuils[0] = 500;
    e.seance.seuils[1] = 2000;
    e.confirme = 99;
    e.puits[0] = unPuits(1);
    e.puits[1] = unPuits(2);
    return e;
}

EtatMatch unEtat() {
    EtatMatch e = difference(nullptr, unEtatComplet());
    e.numero = 12;
    e.premierFait = 40;
    e.faits = {{Evenement::lignes4, 1}, {Evenement::lignesRecues, 0, 4}, {Evenement::victoire, -1}};
    return e;
}

// Where the fields of that whole state lie: the header, its number (a byte), how far back it is
// measured from, the confirmation (a byte), the flags, 16 bytes of the sitting, then each well
// (its flags, 45 bytes of cells, the piece, x in three bytes, y in one, the score, waiting
// garbage, pieces settled), then the facts' first number (a byte), their count and themselves.
constexpr std::size_t drapeaux = 5;
constexpr std::size_t debutPuits = 22;
constexpr std::size_t piece = debutPuits + 46;
constexpr std::size_t finPuits = debutPuits + 61;
constexpr std::size_t faits = debutPuits + 2 * 61;

struct Cas {
    std::string nom;
    Message message;
    std::function<void(Octets &)> changer;
};

// Every message comes back whole from its bytes; its bytes cut short, or one more, or a value out
// of range, give nothing; a state measured from another one gives it back whole.
TEST(Message, EveryTypeRoundTripsAndAnythingElseIsRefused) {
    EtatComplet apres = unEtatComplet();
    apres.puits[1].x += 1;
    apres.puits[1].cases = refaireCases(unEtatComplet().puits[1], apres.puits[1]);
    apres.seance.pause = false;
    const EtatComplet avant = unEtatComplet();
    EtatMatch mesure = difference(&avant, apres);
    mesure.numero = 13;
    mesure.recul = 1;
    EXPECT_FALSE(mesure.puits[0]);
    EXPECT_FALSE(mesure.puits[1]->cases) << "the cells come from the piece";
    EXPECT_EQ(reconstruire(nullptr, mesure), std::nullopt);
    EXPECT_EQ(reconstruire(&avant, mesure), apres);
    EXPECT_EQ(reconstruire(nullptr, unEtat()), unEtatComplet());

    Retour retour{
        77,
        5,
        {Action::gauche, Action::pivoter, Action::descendre, Action::droite, Action::descendre}};
    for (const Message &m :
         std::vector<Message>{Bonjour{}, Refus{}, Complet{}, Accueil{true, Raison::aucune},
                              Accueil{false, Raison::placeGardee}, retour, Retour{},
                              DemandeSeance{Ordre::matchSuivant}, unEtat(), mesure}) {
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
        {"an unknown type", Accueil{}, [](Octets &o) { o[1] = 8; }},
        {"a welcome neither player nor watcher", Accueil{}, [](Octets &o) { o[2] = 2; }},
        {"an unknown reason to watch", Accueil{}, [](Octets &o) { o[3] = 3; }},
        {"65 actions", retour, [](Octets &o) { o[4] = 65; }},
        {"bits past the last action", retour, [](Octets &o) { o[6] |= 0x40; }},
        {"actions numbered from 0", retour, [](Octets &o) { o[3] = 0; }},
        {"a number in more bytes than it needs", retour,
         [](Octets &o) {
             o[3] = 0x85;
             o.insert(o.begin() + 4, 0x00);
         }},
        {"a fifth command", DemandeSeance{}, [](Octets &o) { o[2] = 4; }},
        {"another version's answer", Retour{}, [](Octets &o) { o[0] = 1; }},
        {"a state numbered 0", unEtat(), [](Octets &o) { o[2] = 0; }},
        {"a whole state without its sitting", unEtat(), [](Octets &o) { o[drapeaux] &= ~1; }},
        {"a whole well without its cells", unEtat(), [](Octets &o) { o[debutPuits] &= ~2; }},
        {"a cell of code 3", unEtat(), [](Octets &o) { o[debutPuits + 5] = 0xFF; }},
        {"a piece of type 7", unEtat(), [](Octets &o) { o[piece] = 0x07; }},
        {"a fifth turn", unEtat(), [](Octets &o) { o[piece] = 0x40; }},
        {"an anchor beyond any well's reach", unEtat(), [](Octets &o) { o[piece + 3] = 0x7F; }},
        {"a score below zero", unEtat(), [](Octets &o) { o[piece + 8] = 0x80; }},
        {"more pieces settled than any game", unEtat(), [](Octets &o) { o[finPuits - 1] = 0x7F; }},
        {"too much garbage waiting", unEtat(), [](Octets &o) { o[finPuits - 5] = 0xFF; }},
        {"an unknown flag of the state", unEtat(), [](Octets &o) { o[drapeaux] |= 32; }},
        {"a threshold below zero", unEtat(), [](Octets &o) { o[15] = 0x80; }},
        {"65 facts", unEtat(), [](Octets &o) { o[faits + 1] = 65; }},
        {"an unknown fact", unEtat(), [](Octets &o) { o[faits + 2] = 0x2E; }},
        {"a fact of a third well", unEtat(), [](Octets &o) { o[faits + 2] = 0x38; }},
        {"one row of garbage written out", unEtat(),
         [](Octets &o) { o[faits + 4] = 1, o[faits + 5] = 0; }},
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
