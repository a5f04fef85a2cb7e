// Game-wide values at program start.
#include "model/game_state.h"

#include "model/seams.h"

namespace GameState {

int16_t status = Ok;
int32_t score = 0;
int32_t level = 0;
int32_t layerCount = 0;
int32_t cheatsLeft = startCheats;
int32_t gameRunning = 1;
int32_t soundOn = 1;
int32_t replayMode = 0;
int32_t paused = 0;
int32_t hintsOn = 0;
int32_t boardChanged = 1;
int64_t nextFallTime = 0;  // set to the start time with the game-wide objects

void resetCounters() {
    cheatsLeft = startCheats;
    score = 0;
    level = 0;
    layerCount = 0;
}

void resetAll() {
    status = Ok;
    resetCounters();
    gameRunning = 1;
    soundOn = 1;
    replayMode = 0;
    paused = 0;
    hintsOn = 0;
    boardChanged = 1;
    nextFallTime = nowSeconds();
}

}  // namespace GameState
