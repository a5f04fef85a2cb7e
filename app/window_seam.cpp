// Defaults of the window seam: nothing to draw or move without a display.
#include "app/window_seam.h"

#include <cstdlib>

namespace windowSeam {

namespace {
void nothing() {}
void nothingAt(int, int) {}
void endProcess(int status) { std::exit(status); }
}  // namespace

void (*redisplay)() = nothing;
void (*setProjection)() = nothing;
void (*fullScreen)() = nothing;
void (*reshapeWindow)(int, int) = nothingAt;
void (*positionWindow)(int, int) = nothingAt;
void (*syncPanel)() = nothing;
void (*makeGameWindowCurrent)() = nothing;
void (*exitProcess)(int) = endProcess;

void reset() {
    redisplay = nothing;
    setProjection = nothing;
    fullScreen = nothing;
    reshapeWindow = nothingAt;
    positionWindow = nothingAt;
    syncPanel = nothing;
    makeGameWindowCurrent = nothing;
    exitProcess = endProcess;
}

}  // namespace windowSeam
