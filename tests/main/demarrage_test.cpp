#include "demarrage.h"

#include "dossiers_donnees.h"
#include "evenements.h"
#include "fakegl.h"
#include "jeu.h"
#include "ligne_commande.h"
#include "minuterie.h"
#include "pilotes.h"
#include "reveils_glut.h"
#include "scene.h"
#include "textures.h"

#include <GL/freeglut.h>
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::string dossierCourant() {
    return fs::current_path().string();
}

// Each test runs in a scratch folder of its own, and the working folder is put back after.
class Demarrage : public ::testing::Test {
protected:
    void SetUp() override {
        retour = fs::current_path();
        std::string modele = ::testing::TempDir() + "cubefall_demarrage_XXXXXX";
        ASSERT_NE(mkdtemp(modele.data()), nullptr);
        dossier = modele;
        fs::current_path(dossier);
        // The settings the game reads and writes (F11 below) are the test's own.
        setenv("XDG_CONFIG_HOME", (dossier / "config").c_str(), 1);
        textureBois = 0;
        textureMetal = 0;
        fakegl::reset();
    }
    void TearDown() override {
        fs::current_path(retour);
        fs::remove_all(dossier);
        textureBois = 0;
        textureMetal = 0;
    }

    int lancer() {
        char programme[] = "cubefall";
        char option[] = "-display";
        char valeur[] = ":9";
        char *argv[] = {programme, option, valeur, nullptr};
        return demarrer(3, argv);
    }

    // What the texture step alone sends in this folder, from a fresh context.
    std::vector<fakegl::Call> appelsDesTextures() {
        fakegl::reset();
        chargerTextures();
        std::vector<fakegl::Call> appels = fakegl::calls();
        fakegl::reset();
        textureBois = 0;
        textureMetal = 0;
        return appels;
    }

    fs::path retour;
    fs::path dossier;
};

std::vector<fakegl::Call> debutAttendu() {
    return {
        {"glutInitWindowSize", {500, 500}, ""},
        {"glutInit", {3}, "cubefall -display :9"},
        {"glutInitDisplayMode", {GLUT_DOUBLE | GLUT_DEPTH}, ""},
        {"glutCreateWindow", {}, "Cubefall"},
        {"glutDisplayFunc", {}, ""},
        {"glViewport", {0, 0, 500, 500}, ""},
        {"glMatrixMode", {GL_PROJECTION}, ""},
        {"glLoadIdentity", {}, ""},
        {"gluPerspective", {60, 1, 0, 10}, ""},
        {"glMatrixMode", {GL_MODELVIEW}, ""},
    };
}

std::vector<fakegl::Call> finAttendue() {
    return {
        // The keyboard's map for the keys, then the desktop's repeat.
        {"glXGetCurrentDisplay", {}, ""},
        {"glXGetCurrentDisplay", {}, ""},
        {"glXGetCurrentDrawable", {}, ""},
        {"glutIgnoreKeyRepeat", {1}, ""},
        {"glEnable", {GL_TEXTURE_2D}, ""},
        {"glPolygonMode", {GL_FRONT, GL_FILL}, ""},
        {"glEnable", {GL_CULL_FACE}, ""},
        {"glutReshapeFunc", {}, ""},
        {"glutDisplayFunc", {}, ""},
        // The sitting starts, and arms its first wake-up (left out: the sitting's wake-ups are
        // the one game's, armed once over the cases), then the heartbeat.
        {"glutGet", {GLUT_ELAPSED_TIME}, ""},
        {"glutGet", {GLUT_ELAPSED_TIME}, ""},
        {"glutTimerFunc", {1000, 0}, ""},
        {"glutKeyboardFunc", {}, ""},
        {"glutKeyboardUpFunc", {}, ""},
        {"glutSpecialFunc", {}, ""},
        {"glutSpecialUpFunc", {}, ""},
        {"glutWindowStatusFunc", {}, ""},
        {"glutMainLoop", {}, ""},
    };
}

void comparer(std::vector<fakegl::Call> obtenus, const std::vector<fakegl::Call> &attendus) {
    obtenus.erase(std::remove_if(obtenus.begin(), obtenus.end(),
                                 [](const fakegl::Call &c) {
                                     return c.name == "glutTimerFunc" && c.args.at(1) != 0;
                                 }),
                  obtenus.end());
    ASSERT_EQ(obtenus.size(), attendus.size());
    for (std::size_t i = 0; i < attendus.size(); ++i) {
        EXPECT_EQ(obtenus[i].name, attendus[i].name) << i;
        EXPECT_EQ(obtenus[i].args, attendus[i].args) << i << " " << attendus[i].name;
        EXPECT_EQ(obtenus[i].text, attendus[i].text) << i << " " << attendus[i].name;
    }
}

// With either picture or both, the game starts: window, projection, textures, lasting state,
// callbacks, loop, in that order and nothing else.
TEST_F(Demarrage, LeJeuDemarreDesQuUneImageSeCharge) {
    struct cas {
        bool bois;
        bool metal;
    };
    for (const cas c : {cas{true, true}, cas{false, true}, cas{true, false}}) {
        SCOPED_TRACE(std::string(c.bois ? "bois.bmp " : "") + (c.metal ? "metal.bmp" : ""));
        // The pictures that the build paints for the game, and its sounds, played on SDL's null
        // audio device.
        for (const auto &[nom, present] : {std::pair{"bois.bmp", c.bois}, {"metal.bmp", c.metal}}) {
            fs::remove(nom);
            if (present) {
                fs::copy_file(fs::path(CUBEFALL_IMAGES) / nom, nom);
            }
        }
        for (const auto &entree : fs::directory_iterator(CUBEFALL_IMAGES)) {
            if (entree.path().extension() == ".wav") {
                fs::copy_file(entree.path(), entree.path().filename(),
                              fs::copy_options::overwrite_existing);
            }
        }
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        const std::vector<fakegl::Call> textures = appelsDesTextures();
        EXPECT_EQ(std::count_if(textures.begin(), textures.end(),
                                [](const fakegl::Call &k) { return k.name == "glTexImage2D"; }),
                  int(c.bois) + int(c.metal));

        ::testing::internal::CaptureStderr();
        lancer();
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");

        std::vector<fakegl::Call> attendus = debutAttendu();
        attendus.insert(attendus.end(), textures.begin(), textures.end());
        const std::vector<fakegl::Call> fin = finAttendue();
        attendus.insert(attendus.end(), fin.begin(), fin.end());
        comparer(fakegl::calls(), attendus);

        EXPECT_EQ(textureBois != 0, c.bois);
        EXPECT_EQ(textureMetal != 0, c.metal);

        const fakegl::Callbacks &cb = fakegl::callbacks();
        EXPECT_EQ(cb.reshape, &redimensionnerFenetre);
        EXPECT_EQ(cb.display, &afficherImage);
        // Nothing runs between events: the game sleeps until something is due.
        EXPECT_EQ(cb.idle, nullptr);
        EXPECT_EQ(cb.timer, &minuterie);
        EXPECT_EQ(cb.timerMs, 1000u);
        EXPECT_EQ(cb.keyboard, &toucheGlut);
        EXPECT_EQ(cb.special, &toucheSpecialeGlut);
        EXPECT_EQ(cb.keyboardUp, &toucheRelacheeGlut);
        EXPECT_EQ(cb.specialUp, &toucheSpecialeRelacheeGlut);
        EXPECT_EQ(cb.windowStatus, &etatFenetre);
    }
}

// Without any picture the window has opened, so the player is told why it closes at once: on
// standard error and in the box, which the fake closes as a window manager would.
TEST_F(Demarrage, SansImageLeJeuDitOuIlACherche) {
    ::testing::internal::CaptureStderr();
    const int statut = lancer();
    const std::string message = ::testing::internal::GetCapturedStderr();

    EXPECT_EQ(statut, 1);
    std::vector<fakegl::Call> debut = fakegl::calls();
    debut.resize(std::min(debut.size(), debutAttendu().size()));
    comparer(debut, debutAttendu());
    const std::vector<fakegl::Call> fenetres = fakegl::callsNamed("glutCreateWindow");
    ASSERT_EQ(fenetres.size(), 2u);
    EXPECT_EQ(fenetres[1].text, "Error");
    // Closing a window ends the program again once the box is gone.
    EXPECT_EQ(fakegl::callsNamed("glutSetOption").back().args,
              (std::vector<double>{GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_EXIT}));

    // The game itself never started.
    const fakegl::Callbacks &cb = fakegl::callbacks();
    EXPECT_EQ(fakegl::count("glutMainLoop"), 0u);
    EXPECT_EQ(cb.idle, nullptr);
    EXPECT_EQ(cb.timer, nullptr);
    EXPECT_EQ(cb.special, nullptr);
    EXPECT_EQ(cb.keyboardUp, nullptr);
    EXPECT_EQ(cb.specialUp, nullptr);
    EXPECT_EQ(textureBois, 0u);
    EXPECT_EQ(textureMetal, 0u);

    ASSERT_FALSE(message.empty());
    EXPECT_EQ(message.find('\n'), message.size() - 1) << message;
    EXPECT_NE(message.find("bois.bmp"), std::string::npos) << message;
    EXPECT_NE(message.find("metal.bmp"), std::string::npos) << message;
    EXPECT_NE(message.find(dossierCourant()), std::string::npos) << message;
}

// The working folder first, then the data folders under the executable's prefix, wherever it
// lies; each file in the first folder that has it.
TEST_F(Demarrage, LesFichiersSontCherchesIciPuisPresDuJeuInstalle) {
    struct cas {
        const char *executable;
        std::vector<fs::path> dossiers;
    };
    for (const cas &c : {
             cas{"/usr/games/cubefall", {"", "/usr/share/cubefall", "/usr/share/games/cubefall"}},
             cas{"/home/ann/.local/bin/cubefall",
                 {"", "/home/ann/.local/share/cubefall", "/home/ann/.local/share/games/cubefall"}},
             cas{"/opt/a b/bin/../bin/cubefall",
                 {"", "/opt/a b/share/cubefall", "/opt/a b/share/games/cubefall"}},
             cas{"cubefall", {""}},
             cas{"", {""}},
         }) {
        EXPECT_EQ(dossiersDonneesPour(c.executable), c.dossiers) << c.executable;
    }
    // This test program's own prefix: its build tree.
    EXPECT_EQ(dossiersDonnees().size(), 3u);

    const fs::path installe = dossier / "share/games/cubefall";
    fs::create_directories(installe);
    fs::create_directories(dossier / "share/cubefall/metal.bmp");
    const std::vector<fs::path> dossiers = dossiersDonneesPour(dossier / "games/cubefall");
    for (const char *nom : {"bois.bmp", "metal.bmp"}) {
        std::ofstream(installe / nom) << "x";
    }
    std::ofstream("bois.bmp") << "x";
    EXPECT_EQ(trouverFichierDonnees("bois.bmp", dossiers), "bois.bmp");
    // A folder opens, and the loader then says it cannot read it: found, as it always was.
    EXPECT_EQ(trouverFichierDonnees("metal.bmp", dossiers),
              (dossier / "share/cubefall/metal.bmp").string());
    fs::remove(dossier / "share/cubefall/metal.bmp");
    EXPECT_EQ(trouverFichierDonnees("metal.bmp", dossiers), (installe / "metal.bmp").string());
    EXPECT_EQ(trouverFichierDonnees("sons.wav", dossiers), std::nullopt);
    EXPECT_EQ(nommerDossiersDonnees(dossiers), dossierCourant() + ", " +
                                                   (dossier / "share/cubefall").string() + " or " +
                                                   installe.string());
}

// The game itself, without a display, as typed in a terminal: its status and all it wrote.
std::pair<int, std::string> lancerSansEcran(const std::string &ligne) {
    FILE *jeu = popen(("env -u DISPLAY '" CUBEFALL_GAME "' " + ligne + " 2>&1").c_str(), "r");
    std::string sortie;
    for (int c; jeu && (c = std::fgetc(jeu)) != EOF;) {
        sortie += static_cast<char>(c);
    }
    const int brut = jeu ? pclose(jeu) : -1;
    return {WIFEXITED(brut) ? WEXITSTATUS(brut) : -1, sortie};
}

// The command line is read whole before anything of GLUT: help, version and mistakes open no
// window (the game itself answers them without a display), GLUT's own options reach glutInit in
// their order, and the game's options are applied once the window is there. What is expected is
// the start of standard output (status 0), the message (status 2), or, when the game plays,
// glutInit's arguments and what was applied.
TEST_F(Demarrage, LaLigneDeCommande) {
    for (const char *nom : {"bois.bmp", "metal.bmp"}) {
        fs::copy_file(fs::path(CUBEFALL_IMAGES) / nom, nom);
    }
    // Its sounds too, found as when the test runs after the others in one process.
    for (const auto &entree : fs::directory_iterator(CUBEFALL_IMAGES)) {
        if (entree.path().extension() == ".wav") {
            fs::copy_file(entree.path(), entree.path().filename());
        }
    }
    // The keys --help lists are the file's.
    fs::create_directories("config/cubefall");
    std::ofstream("config/cubefall/cubefall.conf") << "[left well]\nleft = j\n";
    const std::string invalide = ": player, computer or computer:easy|medium|hard|expert";
    const std::string adresse =
        ": HOST or HOST:PORT, HOST a name or an IPv4 address, PORT from 1 to 65535";
    struct cas {
        std::string ligne;
        int statut; // -1: the game plays
        std::string attendu;
    };
    for (const cas &c : {
             cas{"--help", 0, "Usage: cubefall [OPTION]... [REPLAY]\n"},
             cas{"--help", 0, "  -direct, -indirect      ask for a direct or an indirect"},
             cas{"--help", 0, "  -gldebug                check OpenGL"},
             cas{"--help", 0, "  -sync                   make X calls synchronous"},
             cas{"--help", 0, "      --join=HOST[:PORT]  join the match at HOST"},
             cas{"--help", 0, "    F5                  host a match over the network"},
             cas{"--help", 0,
                 "Settings file: " + dossierCourant() + "/config/cubefall/cubefall.conf"},
             cas{"--help", 0, "    j                   move left"},
             cas{"--left=computer -h --bogus", 0, "Usage: cubefall"},
             cas{"--version", 0, "cubefall " CUBEFALL_VERSION "\n"},
             cas{"--bogus", 2, "unrecognized option '--bogus'"},
             cas{"--left=robot", 2, "invalid KIND 'robot' for --left" + invalide},
             cas{"--right computer:genius", 2,
                 "invalid KIND 'computer:genius' for --right" + invalide},
             cas{"--left", 2, "option '--left' requires an argument"},
             cas{"--mute=yes", 2, "option '--mute' doesn't allow an argument"},
             cas{"-geometry", 2, "option '-geometry' requires an argument"},
             cas{"-- --mute --left", 2, "unexpected argument '--mute'"},
             cas{"--host=7801 replay", 2, "--replay cannot be used with --host or --join"},
             cas{"--host=0", 2, "invalid port '0' for --host: a number from 1 to 65535"},
             cas{"--join=a:b:c", 2, "invalid address 'a:b:c' for --join" + adresse},
             cas{"--join=no_such", 2, "invalid address 'no_such' for --join" + adresse},
             cas{"--join", 2, "option '--join' requires an argument"},
             cas{"--host --join=localhost", 2, "--host and --join cannot be used together"},
             cas{"-geometry 300x200 --left=computer -display :9 --right computer:expert --mute "
                 "-iconic",
                 -1,
                 "cubefall -geometry 300x200 -display :9 -iconic; Computer · Medium; Computer · "
                 "Expert; mute"},
             cas{"--fullscreen -sync --left=computer:easy -gldebug -direct -indirect "
                 "--right=player",
                 -1,
                 "cubefall -sync -gldebug -direct -indirect; Computer · Easy; Player; full screen"},
             cas{"--fullscreen --fullscreen --left=computer:expert --left=player", -1,
                 "cubefall; Player; Player; full screen"},
         }) {
        SCOPED_TRACE("cubefall " + c.ligne);
        std::vector<std::string> textes = {"cubefall"};
        std::istringstream mots(c.ligne);
        for (std::string mot; mots >> mot;) {
            textes.push_back(mot);
        }
        std::vector<char *> argv;
        for (std::string &t : textes) {
            argv.push_back(t.data());
        }
        argv.push_back(nullptr);
        for (int puits = 0; puits < 2; ++puits) {
            jeu().seance.match().choisirPilote(puits, Pilote{}, 0);
        }
        jeu().son.couper(false);
        setenv("SDL_AUDIODRIVER", "dummy", 0);

        fakegl::reset();
        ::testing::internal::CaptureStdout();
        ::testing::internal::CaptureStderr();
        const int statut = demarrer(static_cast<int>(textes.size()), argv.data());
        const std::string sortie = ::testing::internal::GetCapturedStdout();
        const std::string erreur = ::testing::internal::GetCapturedStderr();

        if (c.statut >= 0) {
            EXPECT_EQ(fakegl::calls().size(), 0u);
            EXPECT_EQ(statut, c.statut);
            if (statut == 0) {
                EXPECT_NE(sortie.find(c.attendu), std::string::npos) << sortie;
            } else {
                EXPECT_EQ(erreur, "cubefall: " + c.attendu + "\nTry 'cubefall --help'.\n");
            }
            EXPECT_EQ(statut == 0 ? erreur : sortie, "");
            EXPECT_EQ(lancerSansEcran(c.ligne), std::make_pair(statut, sortie + erreur));
            continue;
        }
        EXPECT_EQ(statut, 0);
        EXPECT_EQ(erreur, "");
        // Without a window manager (here, without a display) full screen is the window moved to
        // the corner at the screen's size.
        const bool plein = fakegl::count("glutPositionWindow") == 1;
        const bool muet = jeu().son.coupe();
        ASSERT_EQ(fakegl::callsNamed("glutInit").size(), 1u);
        EXPECT_EQ(fakegl::callsNamed("glutInit")[0].text + "; " +
                      jeu().seance.match().nomPilote(0) + "; " + jeu().seance.match().nomPilote(1) +
                      (plein ? "; full screen" : "") + (muet ? "; mute" : ""),
                  c.attendu);
        if (plein) {
            toucheSpecialeGlut(GLUT_KEY_F11, 0, 0); // back to the window, for the next case
        }
    }
    // F6's field pauses the match while the address is typed, and the pause stays after it.
    toucheSpecialeGlut(GLUT_KEY_F6, 0, 0);
    EXPECT_TRUE(jeu().seance.saisie().has_value());
    EXPECT_TRUE(jeu().seance.match().enPause());
    toucheGlut(27, 0, 0);
    EXPECT_FALSE(jeu().seance.saisie().has_value());
    EXPECT_TRUE(jeu().seance.match().enPause());
    toucheGlut('p', 0, 0);
    EXPECT_FALSE(jeu().seance.match().enPause());
}

} // namespace
