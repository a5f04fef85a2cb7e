// The game state's counters, reset from the start values.
#include "model/game_state.h"

void GameState::resetCounters() {
    const GameState start;
    cheatsLeft = start.cheatsLeft;
    score = start.score;
    level = start.level;
    layerCount = start.layerCount;
}
