// Replays: random matches played through the sitting, each written down as it is played, then
// played back and compared with the match at every step; the same for a network match in one
// process; and any bytes, read safely.
#include "codes_touches.h"
#include "fichiers_rejeu.h"
#include "lecteur.h"
#include "machines.h"
#include "miroir.h"
#include "seance_de_test.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <random>

namespace fs = std::filesystem;

namespace {

// The clock new pieces read, moved by the test as the game's clock moves.
Instant tempsSimule = 0;
std::time_t horlogeSimulee() {
    return 1700000000 + tempsSimule / 1000;
}

// The match at one moment, with when it stood so since its own start.
struct Instantane {
    Instant quand;
    EtatComplet etat;
};

// Every step of the replay's match, played back, is the match as it was then.
void comparer(const Rejeu &rejeu, const std::vector<Instantane> &vus, const std::string &nom) {
    MatchDeTest jeux;
    Lecteur lecteur(rejeu, jeux.match);
    for (const Instantane &vu : vus) {
        lecteur.allerA(vu.quand);
        EtatComplet joue = etatDe(jeux.match);
        ASSERT_TRUE(joue == vu.etat) << nom << " at " << vu.quand << " ms";
    }
}

std::vector<fs::path> fichiersDe(const fs::path &dossier) {
    std::vector<fs::path> fichiers;
    for (const auto &entree : fs::directory_iterator(dossier)) {
        fichiers.push_back(entree.path());
    }
    std::sort(fichiers.begin(), fichiers.end());
    return fichiers;
}

// Matches of the computer at mixed levels against itself and against players' keys, with pauses,
// hidden windows, F2, garbage and overflows, thousands of steps: each match's replay file plays
// back the match as it was at every step.
TEST(Rejeu, EveryMatchPlaysBackExactlyAtEveryStep) {
    const fs::path dossier =
        fs::temp_directory_path() / ("cubefall-rejeu-" + std::to_string(getpid()));
    fs::remove_all(dossier);
    std::mt19937 hasard(2026);
    SeanceDeTest s;
    remplacerHorloge(horlogeSimulee);
    Seance::Depart depart;
    depart.rejeuxGardes = 1000;
    depart.dossierRejeux = dossier;
    tempsSimule = 0;
    s.repondre(s.seance.demarrer(depart, nullptr, std::nullopt, 0), 0);

    // A player's random keys on the left, the computer at Hard on the right, to begin with.
    for (int i = 0; i < 3; ++i) {
        s.appuyer(Touche{true, toucheF4}, 0);
    }
    std::map<unsigned, std::vector<Instantane>> vus;
    std::map<unsigned, Instant> debuts = {{s.match.numero(), 0}};
    const Touche touches[] = {{false, 'a'},      {false, 'd'},         {false, 'w'},
                              {false, 's'},      {true, toucheGauche}, {true, toucheDroite},
                              {true, toucheHaut}};
    Instant prochaineSeconde = 1000;
    for (int pas = 0; pas < 40000; ++pas) {
        tempsSimule += 1 + static_cast<Instant>(hasard() % 120);
        const Instant t = tempsSimule;
        const int tirage = static_cast<int>(hasard() % 10000);
        if (t >= prochaineSeconde) {
            prochaineSeconde += 1000;
            s.repondre(s.seance.seconde(t), t);
        } else if (tirage < 20) {
            s.appuyer(Touche{false, 'p'}, t);
        } else if (tirage < 22) {
            s.appuyer(Touche{true, toucheF2}, t);
        } else if (tirage < 30) {
            s.appuyer(Touche{true, hasard() % 2 ? toucheF3 : toucheF4}, t);
        } else if (tirage < 33) {
            s.repondre(s.seance.cacher(t), t);
        } else if (tirage < 35 && s.match.enPause()) {
            s.appuyer(Touche{false, 'p'}, t);
        } else if (tirage < 60) {
            s.appuyer(Touche{false, '\r'}, t);
        } else if (tirage < 1500) {
            const Touche touche = touches[hasard() % std::size(touches)];
            hasard() % 4 == 0 ? s.enfoncer(touche, t) : s.appuyer(touche, t);
        } else if (tirage < 2500) {
            s.relacher(touches[hasard() % std::size(touches)]);
            continue;
        } else {
            s.reveiller(t);
        }
        if (debuts.count(s.match.numero()) == 0) {
            debuts[s.match.numero()] = t;
        }
        vus[s.match.numero()].push_back({t - debuts[s.match.numero()], etatDe(s.match)});
    }
    ASSERT_GT(vus.size(), 5u) << "matches played";
    int garbage = 0, overflows = 0;
    for (const auto &[numero, etats] : vus) {
        const EtatComplet &fin = etats.back().etat;
        garbage += fin.seance.seuils[0] + fin.seance.seuils[1] > 0;
        overflows += fin.puits[0].fini || fin.puits[1].fini;
    }
    EXPECT_GT(garbage, 0) << "garbage sent in some match";
    EXPECT_GE(overflows, 2) << "matches that ended in an overflow";

    s.seance.enregistreur()->arreter();
    unsigned matchs = 0;
    for (const fs::path &fichier : fichiersDe(dossier)) {
        const LectureRejeu lecture = lireFichierRejeu(fichier);
        ASSERT_TRUE(lecture.rejeu) << fichier << ": " << lecture.erreur;
        EXPECT_FALSE(lecture.rejeu->coupe);
        const unsigned numero = lecture.rejeu->debut.etat.seance.numero;
        comparer(*lecture.rejeu, vus[numero], fichier.filename().string());
        ++matchs;
    }
    EXPECT_EQ(matchs, vus.size());
    fs::remove_all(dossier);
}

// A network match in one process: the host's replay plays back its match at every step; the
// joining machine's shows the host's states, in the order the host had them.
TEST(Rejeu, ANetworkMatchPlaysBackAsTheHostHadIt) {
    Machines m(80, 0.05, 3);
    Machines::Invite &a = m.rejoindre(0x0A000002);
    m.attendre(300);
    Enregistreur hote(std::nullopt, 0), invite(std::nullopt, 0);
    hote.suivre(m.hote.match, m.t);
    // Every state the host's match passes through, as its states go out at the end of each
    // millisecond.
    std::vector<EtatComplet> etatsHote;
    std::uint64_t revision = 0;
    m.tic = [&](Instant t) {
        hote.temps(t);
        if (m.hote.match.revision() != revision) {
            revision = m.hote.match.revision();
            etatsHote.push_back(etatDe(m.hote.match));
        }
    };
    const Instant debut = m.t;
    std::vector<Instantane> vus;
    std::mt19937 hasard(8);
    for (int pas = 0; pas < 3000; ++pas) {
        // Moves and turns only: a piece the joining machine settles by its own guess would draw
        // the next one from the clock, which one process shares with the host's match.
        if (hasard() % 3 == 0) {
            m.agir(a, static_cast<Action>(hasard() % 3));
        }
        m.attendre(1 + hasard() % 60);
        // The match as the last millisecond waited left it.
        vus.push_back({m.t - 1 - debut, etatDe(m.hote.match)});
        const Pilote pilotes[2];
        for (const Nouvelles::EtatHote &e : a.session.prendreNouvelles().etatsHote) {
            invite.etatHote(e.etat, e.faits, pilotes, m.t);
        }
        if (m.hote.match.verdict() != Verdict::enCours) {
            break;
        }
    }
    const LectureRejeu lue = lireRejeu(hote.octets().data(), hote.octets().size());
    ASSERT_TRUE(lue.rejeu) << lue.erreur;
    comparer(*lue.rejeu, vus, "the host's replay");

    const LectureRejeu lueInvite = lireRejeu(invite.octets().data(), invite.octets().size());
    ASSERT_TRUE(lueInvite.rejeu) << lueInvite.erreur;
    ASSERT_GT(lueInvite.rejeu->traces.size(), 50u);
    auto cherche = etatsHote.begin();
    for (const Trace &trace : lueInvite.rejeu->traces) {
        cherche = std::find(cherche, etatsHote.end(), trace.hote->etat);
        ASSERT_NE(cherche, etatsHote.end()) << "a state the host never had, or out of order";
    }
}

// Any bytes: a replay of ours reads back as written; anything else is refused in a few words, and
// a file cut within a trace (a game killed while writing) plays up to it.
TEST(Rejeu, AnyBytesAreReadSafely) {
    EcritureRejeu ecriture;
    DebutRejeu debut;
    debut.date = 1700000000;
    debut.hasard = 77;
    debut.pilotes[1] = Pilote{true, Niveau::expert};
    std::vector<std::uint8_t> octets = ecriture.debut(debut);
    std::vector<Trace> traces(4);
    traces[0].sorte = Trace::Sorte::tirage;
    traces[0].seconde = 1700000003;
    traces[0].quand = 5;
    traces[1].sorte = Trace::Sorte::action;
    traces[1].puits = 1;
    traces[1].action = Action::pivoter;
    traces[1].quand = 300;
    traces[2].sorte = Trace::Sorte::pilote;
    traces[2].pilote = Pilote{true, Niveau::moyen};
    traces[2].quand = 301;
    traces[3].sorte = Trace::Sorte::seconde;
    traces[3].quand = 1000;
    for (const Trace &t : traces) {
        const std::vector<std::uint8_t> trace = ecriture.trace(t);
        octets.insert(octets.end(), trace.begin(), trace.end());
    }
    const LectureRejeu lu = lireRejeu(octets.data(), octets.size());
    ASSERT_TRUE(lu.rejeu) << lu.erreur;
    EXPECT_TRUE(lu.rejeu->debut == debut);
    EXPECT_EQ(lu.rejeu->traces, traces);
    EXPECT_FALSE(lu.rejeu->coupe);

    const auto change = [&](std::size_t ou, std::uint8_t valeur) {
        std::vector<std::uint8_t> o = octets;
        o.at(ou) = valeur;
        return lireRejeu(o.data(), o.size()).erreur;
    };
    const std::size_t finDebut = ecriture.debut(debut).size();
    EXPECT_EQ(change(0, 'X'), "not a Cubefall replay");
    EXPECT_EQ(change(8, 2), "made by a newer Cubefall (replay format 2; this one reads format 1)");
    EXPECT_EQ(change(9, 5), "holds values out of range");
    EXPECT_EQ(change(finDebut, 0x90), "holds values out of range");
    EXPECT_EQ(change(finDebut + 3, 0x28), "holds values out of range") << "a third well";
    EXPECT_EQ(lireRejeu(octets.data(), 30).erreur, "cut short");
    const LectureRejeu coupe = lireRejeu(octets.data(), octets.size() - 1);
    ASSERT_TRUE(coupe.rejeu);
    EXPECT_TRUE(coupe.rejeu->coupe);
    EXPECT_EQ(coupe.rejeu->traces.size(), 3u);

    // The folder keeps the newest, named by when each began.
    const fs::path dossier =
        fs::temp_directory_path() / ("cubefall-garder-" + std::to_string(getpid()));
    fs::remove_all(dossier);
    fs::create_directories(dossier);
    for (std::time_t quand : {1700000000, 1700000000, 1700000100, 1699999000}) {
        std::ofstream(nomRejeu(dossier, quand)) << "x";
    }
    std::ofstream(dossier / "notes.txt") << "mine";
    elaguerRejeux(dossier, 2);
    std::vector<std::string> restes;
    for (const fs::path &f : fichiersDe(dossier)) {
        restes.push_back(f.filename().string());
    }
    EXPECT_EQ(restes.size(), 3u);
    EXPECT_EQ(restes.back(), "notes.txt");
    EXPECT_EQ(lireFichierRejeu(dossier / "none").erreur, "No such file or directory");
    EXPECT_EQ(lireFichierRejeu(dossier / "notes.txt").erreur, "not a Cubefall replay");
    fs::remove_all(dossier);
}

} // namespace
