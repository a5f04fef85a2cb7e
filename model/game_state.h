// Game-wide values shared by every subsystem: the status word of the last
// model operation, the counters of the game and the flags of what the
// program is doing. Plain globals; nobody is notified when they change.
#pragma once

#include <cstdint>

enum StatusCode : int16_t { Ok = 0, OutOfWell = 1, Collision = 2, Landed = 3, GameOver = 4 };

namespace GameState {

extern int16_t status;
extern int32_t score;
extern int32_t level;
extern int32_t layerCount;
extern int32_t cheatsLeft;
extern int32_t gameRunning;
extern int32_t soundOn;
extern int32_t replayMode;
extern int32_t paused;
extern int32_t hintsOn;
extern int32_t boardChanged;
extern int64_t nextFallTime;

constexpr int32_t startCheats = 5;

inline void addScore(int32_t n) { score += n; }
inline int32_t getScore() { return score; }
inline void setScore(int32_t n) { score = n; }
inline void addLevel(int32_t n) { level += n; }
inline int32_t getLevel() { return level; }
inline int32_t fallInterval() { return 6 - level; }
inline void addLayers(int32_t n) { layerCount += n; }
inline int32_t getLayers() { return layerCount; }
inline void setLayers(int32_t n) { layerCount = n; }
inline void addCheats(int32_t n) { cheatsLeft += n; }
inline int32_t getCheats() { return cheatsLeft; }
inline void useCheat() { cheatsLeft -= 1; }
void resetCounters();

// Every value back to its program-start setting (tests and tools start
// from here; the game itself only uses the restart sequence).
void resetAll();

}  // namespace GameState

// Status operations: the status is sticky until reset or assigned.
inline void setStatus(StatusCode s) { GameState::status = s; }
inline bool statusFailed() { return GameState::status != Ok; }
inline void resetStatus() { GameState::status = Ok; }
inline StatusCode getStatus() { return static_cast<StatusCode>(GameState::status); }
