// Frame counter for displayFrame: draws a number of complete frames (with
// the buffer swap) and prints the mean time per frame, for the full well
// and for lighter scenes to compare.
#include <GL/glut.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "model/game_state.h"
#include "model/well.h"
#include "render/overlay.h"
#include "render/scene.h"
#include "render/view_settings.h"
#include "suggest/display_well.h"
#include "tools/render_scenes.h"

namespace {

double millisecondsPerFrame(int frames) {
    for (int i = 0; i < 10; ++i) displayFrame();  // warm up
    glFinish();
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < frames; ++i) displayFrame();
    glFinish();
    const std::chrono::duration<double, std::milli> spent =
        std::chrono::steady_clock::now() - start;
    return spent.count() / frames;
}

// The frame's work that is not drawing: the status text, the hint line and
// the rule book, and the composition of the cells to draw.
double microsecondsOfBookkeeping(int frames) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < frames; ++i) {
        buildHudText();
        composeDisplayWell(gameState.hintsOn == 1);
    }
    const std::chrono::duration<double, std::micro> spent =
        std::chrono::steady_clock::now() - start;
    return spent.count() / frames;
}

int countCubes() {
    int n = 0;
    for (int i = 0; i < WellCells; ++i) n += settledWell.cells[i] != 0 || blockWell.cells[i] != 0;
    return n;
}

}  // namespace

int main(int argc, char** argv) {
    const int frames = argc > 1 ? std::atoi(argv[1]) : 200;
    if (frames <= 0) {
        std::fprintf(stderr, "usage: render_frame_timing [frames]\n");
        return 1;
    }
    openToolWindow(argc, argv);
    std::printf("renderer: %s\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)));

    fullWellScene();
    std::printf("full well, %d cubes, solid, gridlines: %.2f ms per frame\n", countCubes(),
                millisecondsPerFrame(frames));
    std::printf(
        "full well, hints on: %.2f us per frame of status text, rule book and cell composition\n",
        microsecondsOfBookkeeping(frames * 10));
    viewSettings.wireframe = 1;
    std::printf("full well, %d cubes, wireframe, gridlines: %.2f ms per frame\n", countCubes(),
                millisecondsPerFrame(frames));

    screenshotScene();
    std::printf("screenshot scene, %d cubes: %.2f ms per frame\n", countCubes(),
                millisecondsPerFrame(frames));

    fullWellScene();
    settledWell.clear();
    std::printf("empty well, gridlines, text only: %.2f ms per frame\n",
                millisecondsPerFrame(frames));
    viewSettings.gridlines = 0;
    std::printf("empty well, no gridlines, text only: %.2f ms per frame\n",
                millisecondsPerFrame(frames));
    return 0;
}
