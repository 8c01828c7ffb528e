// The time to draw one frame of the game on the real OpenGL, in a GLUT window of several sizes:
// the game's own frame (scene, both wells, overlay, swap) without its wait for the next frame, up
// to the moment OpenGL has finished it, and the CPU it took, the renderer's threads included.
// Both wells full is the most the game ever draws; a paused match the most text it writes (the
// pause panel lists every key).
#include "cadence.h"
#include "copie_sol.h"
#include "deroulement.h"
#include "joueurs.h"
#include "memoire_images.h"
#include "projection.h"
#include "scene.h"
#include "textures.h"

#include <GL/freeglut.h>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <map>
#include <string>
#include <unistd.h>
#include <utility>

namespace {

constexpr double goalMilliseconds = 5;
std::map<std::string, double> millisecondsAFrame;
std::map<std::string, double> cpuMillisecondsAFrame;

double processCpuMilliseconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// What the game draws a frame with.
Vue vue = vuePour(largeurInitiale, hauteurInitiale);
Match match(joueur1, joueur2, seuil1, seuil2);
Liaisons liaisons;
CopieSol copieSol;
Avis avis;

bool shown = false;
void noteShown() {
    shown = true;
}

int reshapedWidth = 0;
int reshapedHeight = 0;
void noteReshape(int width, int height) {
    reshapedWidth = width;
    reshapedHeight = height;
    redimensionner(width, height);
    vue = vuePour(width, height);
}

// Resizes the window and waits until GLUT has told the game its new size.
bool resizeTo(int width, int height) {
    glutReshapeWindow(width, height);
    const auto start = std::chrono::steady_clock::now();
    while (reshapedWidth != width || reshapedHeight != height) {
        glutMainLoopEvent();
        if (std::chrono::steady_clock::now() - start > std::chrono::seconds(10)) {
            return false;
        }
    }
    return true;
}

// The game's start-up up to its main loop, which never returns: this one hands back instead,
// once the window shows.
bool openGameWindow(int &argc, char **argv) {
    garderMemoireImages();
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_DOUBLE | GLUT_DEPTH);
    glutCreateWindow("Cubefall");
    initProjection();
    // The game reads its pictures from the folder it runs in.
    if (chdir(CUBEFALL_PICTURES) != 0 || !chargerTextures()) {
        return false;
    }
    glEnable(GL_TEXTURE_2D);
    glPolygonMode(GL_FRONT, GL_FILL);
    glEnable(GL_CULL_FACE);
    glutReshapeFunc(noteReshape);
    glutDisplayFunc(noteShown);
    while (!shown) {
        glutMainLoopEvent();
    }
    return true;
}

// Drops pieces until the well overflows; the next step then fills it, as it does for a loser.
void fill(partie &game) {
    while (!game.getFini()) {
        game.tomber();
    }
    game.tomber();
}

// One frame as the game draws it. The last frame is said to have begun a whole interval ago,
// so the frame's wait returns at once.
void drawFrame() {
    dernierTemps = static_cast<std::uint32_t>(glutGet(GLUT_ELAPSED_TIME)) - intervalleImage;
    dessinerImage({vue, match, liaisons, copieSol, avis, false, std::nullopt});
    glFinish();
}

enum class Sorte { nouveau, plein, pause };

void frames(benchmark::State &state, const std::string &name, int width, int height, Sorte sorte) {
    if (!resizeTo(width, height)) {
        state.SkipWithError("the window was not resized");
        return;
    }
    joueur1 = partie();
    joueur2 = partie();
    if (sorte == Sorte::plein) {
        fill(joueur1);
        fill(joueur2);
    }
    if (match.enPause() != (sorte == Sorte::pause)) {
        match.basculerPause();
    }
    drawFrame();
    const auto start = std::chrono::steady_clock::now();
    const double cpuStart = processCpuMilliseconds();
    for (auto _ : state) {
        drawFrame();
    }
    const std::chrono::duration<double, std::milli> total =
        std::chrono::steady_clock::now() - start;
    const auto n = static_cast<double>(state.iterations());
    millisecondsAFrame[name] = total.count() / n;
    // The renderer's own threads included: what a frame costs the machine, not the wait for it.
    cpuMillisecondsAFrame[name] = (processCpuMilliseconds() - cpuStart) / n;
    state.counters["window_width"] = glutGet(GLUT_WINDOW_WIDTH);
    state.counters["window_height"] = glutGet(GLUT_WINDOW_HEIGHT);
}

// The floor laid from its copy beside the floor drawn anew, frame about frame at the game's size,
// a new game: what the copy saves while the camera stays still.
void floorCopyBesideDrawn() {
    if (!resizeTo(500, 500)) {
        return;
    }
    joueur1 = partie();
    joueur2 = partie();
    drawFrame();
    double cpu[2] = {0, 0};
    constexpr int pairs = 500;
    for (int i = 0; i < 2 * pairs; ++i) {
        copieSol.active = i % 2 == 0;
        const double before = processCpuMilliseconds();
        drawFrame();
        cpu[i % 2] += processCpuMilliseconds() - before;
    }
    copieSol.active = true;
    std::printf("a frame, new game at 500 x 500, the floor laid from its copy: %.2f ms of CPU, "
                "drawn anew: %.2f ms (%.2f times as much), %d frames each, interleaved\n",
                cpu[0] / pairs, cpu[1] / pairs, cpu[1] / cpu[0], pairs);
}

} // namespace

int main(int argc, char **argv) {
    benchmark::Initialize(&argc, argv);
    if (!openGameWindow(argc, argv)) {
        std::fprintf(stderr, "no window with the game's pictures (from %s)\n", CUBEFALL_PICTURES);
        return 1;
    }
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    struct Size {
        int width, height;
    };
    for (const Size size : {Size{300, 300}, Size{500, 500}, Size{1280, 960}, Size{1920, 1080}}) {
        for (const auto &[sorte, nom] :
             {std::pair{Sorte::nouveau, "new_game/"}, std::pair{Sorte::plein, "full_wells/"},
              std::pair{Sorte::pause, "paused/"}}) {
            const std::string name =
                nom + std::to_string(size.width) + "x" + std::to_string(size.height);
            benchmark::RegisterBenchmark(("Frame/" + name).c_str(), frames, name, size.width,
                                         size.height, sorte)
                ->UseRealTime()
                ->MinTime(2)
                ->Unit(benchmark::kMillisecond);
        }
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (match.enPause()) {
        match.basculerPause();
    }
    floorCopyBesideDrawn();

    for (const auto &[name, ms] : millisecondsAFrame) {
        std::printf("a frame, %s: %.2f ms, %.2f ms of CPU\n", name.c_str(), ms,
                    cpuMillisecondsAFrame[name]);
    }
    const auto full = millisecondsAFrame.find("full_wells/500x500");
    if (full != millisecondsAFrame.end()) {
        std::printf(
            "both wells full at the game's 500 x 500: %.2f ms (goal: at most %.0f ms): %s\n",
            full->second, goalMilliseconds, full->second <= goalMilliseconds ? "met" : "MISSED");
    }
    return 0;
}
