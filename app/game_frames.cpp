// Counting the game window's frames, the cue after the first one, and the
// first swap's time on request.
#include "app/game_frames.h"

#include <cstdlib>

#include "app/first_swap.h"
#include "model/sound_cue.h"
#include "render/scene.h"

long gameFramesDrawn = 0;

namespace {

int firstFrameCue = 0;

void reportFirstSwapIfAsked() {
    const char* asked = std::getenv("ZANDOK_FIRST_SWAP_EXIT");
    if (asked && *asked) reportFirstSwapAndExit();
}

}  // namespace

void playCueAfterFirstFrame(int id) { firstFrameCue = id; }

void drawGameFrame() {
    displayFrame();
    if (gameFramesDrawn++ > 0) return;
    reportFirstSwapIfAsked();
    if (firstFrameCue) playCue(firstFrameCue);
}
