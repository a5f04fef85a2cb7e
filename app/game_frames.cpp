// Counting the game window's frames, the cue after the first one, and the
// first swap's time on request.
#include "app/game_frames.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "model/sound_cue.h"
#include "render/scene.h"

long gameFramesDrawn = 0;

namespace {

int firstFrameCue = 0;

void reportFirstSwapIfAsked() {
    const char* asked = std::getenv("ZANDOK_FIRST_SWAP_EXIT");
    if (!asked || !*asked) return;
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    std::fprintf(
        stderr, "first swap %lld\n",
        static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
    std::exit(0);
}

}  // namespace

void playCueAfterFirstFrame(int id) { firstFrameCue = id; }

void drawGameFrame() {
    displayFrame();
    if (gameFramesDrawn++ > 0) return;
    reportFirstSwapIfAsked();
    if (firstFrameCue) playCue(firstFrameCue);
}
