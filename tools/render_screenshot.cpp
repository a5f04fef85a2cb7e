// Draws the README's picture of a game in progress and saves it as a PPM
// (tools/screenshot.sh turns it into docs/screenshot.png).
#include <cstdio>

#include "render/scene.h"
#include "tools/render_scenes.h"

int main(int argc, char** argv) {
    const char* path = argc > 1 ? argv[1] : "screenshot.ppm";
    openToolWindow(argc, argv);
    screenshotScene();
    drawFrame();
    if (!saveBackBuffer(path)) {
        std::fprintf(stderr, "cannot write %s\n", path);
        return 1;
    }
    return 0;
}
