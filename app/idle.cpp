// The idle pass: the clock of the game. Gravity is counted in whole seconds
// of the wall clock; playback advances one token per pass.
#include "app/idle.h"

#include "app/playback.h"
#include "app/process_end.h"
#include "app/window_seam.h"
#include "model/game_state.h"
#include "model/game_step.h"
#include "model/seams.h"

void onIdle() {
    if (endRequested()) {
        windowSeam.exitProcess(0);  // the normal end, as the quit prompt makes it
        return;
    }
    windowSeam.syncPanel();
    windowSeam.makeGameWindowCurrent();
    if (gameState.gameRunning && !gameState.paused) {
        if (gameState.replayMode) {
            replayStep();
        } else {
            const int64_t now = nowSeconds();
            if (now >= gameState.nextFallTime) {
                // Due time first, from the level the step starts with; missed
                // steps are not made up.
                gameState.nextFallTime = now + gameState.fallInterval();
                gameStep();
            }
        }
    }
    windowSeam.redisplay();
}
