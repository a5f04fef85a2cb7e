// The idle pass: the clock of the game. Gravity is counted in whole seconds
// of the wall clock; playback advances one token per pass.
#include "app/idle.h"

#include "app/replay_source.h"
#include "app/window_seam.h"
#include "model/game_state.h"
#include "model/game_step.h"
#include "model/seams.h"

void onIdle() {
    windowSeam::syncPanel();
    windowSeam::makeGameWindowCurrent();
    if (GameState::gameRunning && !GameState::paused) {
        if (GameState::replayMode) {
            replayStep();
        } else {
            const int64_t now = nowSeconds();
            if (now >= GameState::nextFallTime) {
                // Due time first, from the level the step starts with; missed
                // steps are not made up.
                GameState::nextFallTime = now + GameState::fallInterval();
                gameStep();
            }
        }
    }
    windowSeam::redisplay();
}
