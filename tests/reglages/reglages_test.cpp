#include "choix.h"
#include "fichier_reglages.h"
#include "pilotes.h"
#include "reglages.h"
#include "touches_position.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string lire(const fs::path &chemin) {
    std::ifstream in(chemin, std::ios::binary);
    std::stringstream texte;
    texte << in.rdbuf();
    return texte.str();
}

void ecrireFichier(const fs::path &chemin, const std::string &texte) {
    fs::create_directories(chemin.parent_path());
    std::ofstream(chemin, std::ios::binary) << texte;
}

// A folder of its own for each test, as the game's configuration folder.
fs::path dossierDeTest() {
    const fs::path dossier = fs::temp_directory_path() /
                             ("cubefall-reglages-" + std::to_string(::getpid()) + "-" +
                              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dossier);
    fs::create_directories(dossier);
    return dossier;
}

// Any name but Cyrillic ones and "p" can be a key here.
std::string verifier(const std::string &nom) {
    if (nom == "p") {
        return "p pauses";
    }
    return nom.rfind("Cyrillic_", 0) == 0 || nom == "nosuchkey" ? "no such key" : "";
}

Pilote ordinateur(Niveau niveau) {
    return {true, niveau};
}

TEST(Reglages, EachBadLineIsNamedAndTheRestApplies) {
    struct Cas {
        std::string nom;
        std::string texte;
        std::vector<std::string> erreurs; // "LINE: start of the message"
        std::function<void(const Reglages &)> verifier;
    };
    const std::vector<Cas> cas = {
        {"every setting, in any case, with comments",
         "; mine\n[Game]\nsound = Off ; too loud\nfullscreen: yes\n\n[left well]\n"
         "controller = computer:expert\nleft = q\nright = d\nturn = z\ndown = s\n"
         "[right well]\ncontroller = computer\nturn = KP_8\n[Pads]\nswap = on\n",
         {},
         [](const Reglages &r) {
             EXPECT_FALSE(r.son);
             EXPECT_TRUE(r.pleinEcran);
             EXPECT_EQ(r.puits[0].pilote, ordinateur(Niveau::expert));
             EXPECT_EQ(r.puits[0].touches, (std::array<std::string, 4>{"q", "d", "z", "s"}));
             EXPECT_EQ(r.puits[1].pilote, ordinateur(Niveau::moyen));
             EXPECT_EQ(r.puits[1].touches[2], "KP_8");
             EXPECT_EQ(r.puits[1].touches[0], "");
             EXPECT_TRUE(r.echangerManettes);
         }},
        {"bad lines among good ones",
         "[game]\nsound = maybe\nfullscreen = on\n[left well]\ncontroller = robot\n"
         "left = nosuchkey\nturn = p\ncolour = red\nnot a setting\n[right well\ndown = space\n"
         "[left well]\nright = e\n[sound]\nvolume = 3\n" +
             std::string(300, 'x') + "\n[pads]\nswap = sometimes\nmirror = on\n[music]\n",
         {"2: sound must be on or off", "5: controller must be", "6: left = nosuchkey: no such",
          "7: turn = p: p pauses", "8: unknown setting 'colour'", "9: not a setting",
          "10: not a setting", "14: unknown section [sound]", "16: line too long",
          "18: swap must be on or off", "19: unknown setting 'mirror'",
          "20: unknown section [music]"},
         [](const Reglages &r) {
             EXPECT_TRUE(r.son);
             EXPECT_TRUE(r.pleinEcran);
             EXPECT_EQ(r.puits[0].pilote, Pilote{});
             // The line under the broken section header is still the left well's.
             EXPECT_EQ(r.puits[0].touches, (std::array<std::string, 4>{"", "e", "", "space"}));
         }},
        {"a setting above every section belongs to none",
         "; mine\n\nnonsense = 1\n[game]\nsound = off\n",
         {"3: 'nonsense' stands before any [section]"},
         [](const Reglages &r) { EXPECT_FALSE(r.son); }},
        {"an empty file: the game's own settings",
         "",
         {},
         [](const Reglages &r) {
             EXPECT_TRUE(r.son);
             EXPECT_FALSE(r.pleinEcran);
             EXPECT_EQ(r.puits[1].pilote, Pilote{});
             EXPECT_FALSE(r.echangerManettes);
         }},
    };
    for (const Cas &c : cas) {
        SCOPED_TRACE(c.nom);
        const LectureReglages lu = lireReglages(c.texte, "cubefall.conf", verifier);
        ASSERT_EQ(lu.erreurs.size(), c.erreurs.size()) << ::testing::PrintToString(lu.erreurs);
        for (std::size_t i = 0; i < c.erreurs.size(); ++i) {
            EXPECT_EQ(lu.erreurs[i].rfind("cubefall.conf:" + c.erreurs[i], 0), 0u) << lu.erreurs[i];
        }
        c.verifier(lu.reglages);
    }
    // The writer keeps such a line where it stands.
    EXPECT_EQ(mettreAJour("nonsense = 1\n[game]\nsound = on\n", changementSon(false)),
              "nonsense = 1\n[game]\nsound = off\n");
}

// F3, F4, m and F11 in play are written into the file at once, every other line kept; what stood at
// the start (the file's, or the command line's) is not written back.
TEST(Reglages, AChangeInPlayIsWrittenAndReadBack) {
    const fs::path fichier = dossierDeTest() / "cubefall" / "cubefall.conf";
    const std::string avant = "# my keys\n[left well]\ncontroller = computer:hard ; strong\n"
                              "left = q\n\n[later]\nkept = 1\n";
    ecrireFichier(fichier, avant);

    FichierReglages reglages(fichier);
    const LectureReglages lue = reglages.lire(verifier);
    EXPECT_EQ(lue.reglages.puits[0].touches[0], "q");
    // As --right=computer:easy would: the command line wins, and is not written.
    DemandesLigne ligne;
    ligne.pilotes[1] = ordinateur(Niveau::facile);
    Choix ecrit = fusionner(lue.reglages, ligne);
    EXPECT_EQ(ecrit.pilotes[0], ordinateur(Niveau::difficile));
    EXPECT_EQ(ecrit.pilotes[1], ordinateur(Niveau::facile));
    EXPECT_TRUE(ecrit.son);
    EXPECT_TRUE(fusionner(lue.reglages, DemandesLigne{true, true, {}}).pleinEcran);
    EXPECT_FALSE(fusionner(lue.reglages, DemandesLigne{true, true, {}}).son);

    const auto jouer = [&](Choix maintenant) {
        for (const Changement &c : changements(ecrit, maintenant)) {
            EXPECT_EQ(reglages.ecrire(c), "");
        }
        ecrit = maintenant;
    };
    jouer(ecrit);
    EXPECT_EQ(lire(fichier), avant);
    Choix apres = ecrit;
    apres.pilotes[0] = piloteSuivant(apres.pilotes[0]);
    jouer(apres);
    EXPECT_EQ(lire(fichier), "# my keys\n[left well]\ncontroller = computer:expert ; strong\n"
                             "left = q\n\n[later]\nkept = 1\n");
    apres.pilotes[1] = piloteSuivant(apres.pilotes[1]);
    apres.son = false;
    apres.pleinEcran = true;
    jouer(apres);
    EXPECT_EQ(lire(fichier),
              "# my keys\n[left well]\ncontroller = computer:expert ; strong\n"
              "left = q\n\n[later]\nkept = 1\n\n[right well]\n"
              "controller = computer:medium\n\n[game]\nsound = off\nfullscreen = on\n");

    const Choix relu = fusionner(FichierReglages(fichier).lire(verifier).reglages, {});
    EXPECT_EQ(relu, apres);
    fs::remove_all(fichier.parent_path().parent_path());
}

// Whatever goes wrong, the old file stays whole: a file that cannot be read is not written
// over, and a write stopped before its rename leaves the old text in place.
TEST(Reglages, TheOldFileStaysWhole) {
    const fs::path dossier = dossierDeTest();
    const Changement change = changementPilote(0, ordinateur(Niveau::expert));

    // A folder where the file should be cannot be read, even by root.
    const fs::path illisible = dossier / "dossier.conf";
    ecrireFichier(illisible / "inside", "x");
    EXPECT_EQ(lireFichier(illisible).etat, ContenuFichier::Etat::illisible);
    EXPECT_NE(enregistrer(illisible, change), "");
    EXPECT_EQ(lire(illisible / "inside"), "x");

    const fs::path fichier = dossier / "cubefall.conf";
    const std::string avant = "[left well]\ncontroller = player\n";
    ecrireFichier(fichier, avant);
    EXPECT_EXIT(enregistrer(fichier, change, [] { std::_Exit(7); }), ::testing::ExitedWithCode(7),
                "");
    EXPECT_EQ(lire(fichier), avant);

    EXPECT_EQ(enregistrer(fichier, change), "");
    EXPECT_EQ(lire(fichier), "[left well]\ncontroller = computer:expert\n");
    fs::remove_all(dossier);
}

// The left player's keys are where a, d, w and s are on a US keyboard, named as the keyboard in
// use names them.
TEST(TouchesParPosition, TheSameClusterOnEveryKeyboard) {
    struct Cas {
        std::string nom;
        std::vector<CarteClavier::Touche> touches;
        int groupe;
        std::array<std::string, 4> attendu;
    };
    const auto carte = [](const char *ac01, const char *ac02, const char *ac03, const char *ad02) {
        return std::vector<CarteClavier::Touche>{{"AD01", {"q"}},
                                                 {"AD02", {ad02}},
                                                 {"AC01", {ac01}},
                                                 {"AC02", {ac02}},
                                                 {"AC03", {ac03}}};
    };
    const std::vector<Cas> cas = {
        {"US", carte("a", "s", "d", "w"), 0, {"a", "d", "w", "s"}},
        {"French AZERTY", carte("q", "s", "d", "z"), 0, {"q", "d", "z", "s"}},
        {"German QWERTZ", carte("a", "s", "d", "w"), 0, {"a", "d", "w", "s"}},
        {"Dvorak", carte("a", "o", "e", "comma"), 0, {"a", "e", "comma", "o"}},
        {"US then French, the French in use",
         {{"AC01", {"a", "q"}}, {"AC02", {"s", "s"}}, {"AC03", {"d", "d"}}, {"AD02", {"w", "z"}}},
         1,
         {"q", "d", "z", "s"}},
        {"Russian in use: letters the game cannot read keep the US ones",
         {{"AC01", {"a", "Cyrillic_ef"}}, {"AC03", {"d", "Cyrillic_ve"}}},
         1,
         {"a", "d", "w", "s"}},
        {"no keyboard read", {}, 0, {"a", "d", "w", "s"}},
    };
    for (const Cas &c : cas) {
        SCOPED_TRACE(c.nom);
        const auto lisible = [](const std::string &nom) { return verifier(nom).empty(); };
        EXPECT_EQ(touchesParPosition({c.touches, c.groupe}, lisible), c.attendu);
    }
}

} // namespace
