// The idle pass: the clock of the game. Gravity is counted in whole seconds
// of the wall clock; playback advances one token per pass.
#include "app/idle.h"

#include <algorithm>

#include "app/keep_game.h"
#include "app/playback.h"
#include "app/process_end.h"
#include "app/window_seam.h"
#include "model/game_state.h"
#include "model/game_step.h"
#include "model/message_line.h"
#include "model/seams.h"

namespace {

bool gravityRuns() { return gameState.gameRunning && !gameState.paused && !gameState.replayMode; }

void fallWhenDue() {
    const int64_t now = nowSeconds();
    if (now < gameState.nextFallTime) return;
    // Due time first, from the level the step starts with; missed steps are
    // not made up.
    gameState.nextFallTime = now + gameState.fallInterval();
    gameStep();
}

}  // namespace

void onIdle() {
    if (endRequested()) {
        windowSeam.exitProcess(0);  // the normal end, as the quit prompt makes it
        return;
    }
    windowSeam.syncPanel();
    windowSeam.makeGameWindowCurrent();
    if (gameState.gameRunning && !gameState.paused) {
        if (gameState.replayMode)
            replayStep();
        else
            fallWhenDue();
    }
    if (!gameState.gameRunning) keepGameBeingLeft();  // lost, won, or a playback over
    windowSeam.redisplay();
}

void onHiddenIdle() {
    if (endRequested()) return windowSeam.exitProcess(0);
    if (gravityRuns()) fallWhenDue();
    if (!gameState.gameRunning) keepGameBeingLeft();
    currentMessage();  // as the frame would
}

int64_t idleSleepMilliseconds(bool windowShown, int64_t nowMilliseconds) {
    if (windowShown) return 0;
    constexpr int64_t never = INT64_MAX / 1000;
    const int64_t fall = gravityRuns() ? gameState.nextFallTime : never;
    // The line changes when an urgent text ends, or else at the deadline of
    // the entry showing (which starts the next entry, or renews a last one).
    const int64_t line = messageLine.urgentShowing   ? messageLine.urgentEnd
                         : messageLine.queue.empty() ? never
                                                     : messageLine.deadline;
    const int64_t due = std::min(fall, line);
    if (due == never) return sleepUntilEvent;
    return std::max<int64_t>(due * 1000 - nowMilliseconds, 1);
}
