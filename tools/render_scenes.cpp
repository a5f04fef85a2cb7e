// Game states for the render tools, built through the model's own calls.
#include "tools/render_scenes.h"

#include <GL/glut.h>

#include <cstdio>
#include <vector>

#include "model/block.h"
#include "model/game_state.h"
#include "model/message_line.h"
#include "model/reset.h"
#include "model/well.h"
#include "render/camera.h"
#include "render/gl_setup.h"
#include "render/view_settings.h"

namespace {
constexpr int WindowSize = 600;
void noDisplay() {}
}  // namespace

void openToolWindow(int argc, char** argv) {
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_DOUBLE | GLUT_RGB | GLUT_DEPTH);
    glutInitWindowSize(WindowSize, WindowSize);
    glutCreateWindow("3D Zandok");
    glutDisplayFunc(noDisplay);
    initGraphics();
    reshapeView(WindowSize, WindowSize);
}

void screenshotScene() {
    resetModel();
    viewSettings = {};
    settledWell.clear();
    // Three layers, each with holes so that none is complete.
    for (int z = 0; z < WellDepth; ++z)
        for (int x = 0; x < WellWidth; ++x) {
            if (!(x == 3 && z == 5) && !(x == 0 && z == 2))
                settledWell.setCell(x, 0, z, SettledCube);
            if (x + z < 7 && !(x == 1 && z == 4)) settledWell.setCell(x, 1, z, SettledCube);
            if (x < 2 && z < 4) settledWell.setCell(x, 2, z, SettledCube);
        }
    settledWell.setCell(0, 3, 0, SettledCube);
    settledWell.setCell(0, 3, 1, SettledCube);
    fallingBlock.start(zblk);
    fallingBlock.incM();
    for (int i = 0; i < 7; ++i) fallingBlock.decY();
    gameState.level = 1;
    gameState.score = 130;
    gameState.layerCount = 13;
    gameState.cheatsLeft = 4;
    gameState.hintsOn = 1;
    postMessage("Welcome to 3D Zandok.  Press '?' to show all keys.", 4);
}

void fullWellScene() {
    resetModel();
    viewSettings = {};
    postMessage("", 1);
    for (int z = 0; z < WellDepth; ++z)
        for (int y = 0; y < WellHeight; ++y)
            for (int x = 0; x < WellWidth; ++x) settledWell.setCell(x, y, z, SettledCube);
    blockWell.clear();
    gameState.hintsOn = 1;
}

bool saveBackBuffer(const std::string& path) {
    std::vector<unsigned char> rgb(3 * WindowSize * WindowSize);
    glFinish();
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, WindowSize, WindowSize, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr) return false;
    std::fprintf(out, "P6\n%d %d\n255\n", WindowSize, WindowSize);
    const size_t row = 3 * WindowSize;
    bool ok = true;
    for (int y = WindowSize - 1; y >= 0; --y)
        ok = ok && std::fwrite(rgb.data() + y * row, 1, row, out) == row;
    return std::fclose(out) == 0 && ok;
}
