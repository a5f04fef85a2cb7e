// Game-wide values shared by every subsystem: the status word of the last
// model operation, the counters of the game and the flags of what the
// program is doing. Plain global values; nobody is notified when they change.
// The initialisers are the values at program start.
#pragma once

#include <cstdint>

enum StatusCode : int16_t { Ok = 0, OutOfWell = 1, Collision = 2, Landed = 3, GameOver = 4 };

struct GameState {
    int16_t status = Ok;
    int32_t score = 0;
    int32_t level = 0;
    int32_t layerCount = 0;
    int32_t cheatsLeft = 5;
    int32_t gameRunning = 1;
    int32_t soundOn = 1;
    int32_t replayMode = 0;
    int32_t paused = 0;
    int32_t hintsOn = 0;
    int32_t boardChanged = 1;
    // The wall-clock second the next gravity step is due; 0 makes the first
    // idle pass step at once.
    int64_t nextFallTime = 0;

    void addScore(int32_t n) { score += n; }
    void addLevel(int32_t n) { level += n; }
    // Seconds between two gravity steps: 6 at level 0, 1 at level 5.
    int32_t fallInterval() const { return 6 - level; }
    void addLayers(int32_t n) { layerCount += n; }
    void addCheats(int32_t n) { cheatsLeft += n; }
    void useCheat() { cheatsLeft -= 1; }
    // Score, level, layers and cheats back to their start values.
    void resetCounters();
};

inline GameState gameState;

// Status operations: the status is sticky until reset or assigned.
inline void setStatus(StatusCode s) { gameState.status = s; }
inline bool statusFailed() { return gameState.status != Ok; }
inline void resetStatus() { gameState.status = Ok; }
inline StatusCode getStatus() { return static_cast<StatusCode>(gameState.status); }
