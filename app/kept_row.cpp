// Replaying a kept game to its row. The playback records what it performs
// through the recording seam; here that only counts the blocks started.
#include "app/kept_row.h"

#include "app/playback.h"
#include "app/replay_source.h"
#include "app/restart.h"
#include "model/game_state.h"
#include "model/recording.h"
#include "model/seams.h"

namespace {

int32_t blocksStarted = 0;

// Landing and later header words start a block (they are known by their
// first letter, as playback knows them).
void countBlocks(const char* bytes, std::size_t count) {
    if (count == TokenLength &&
        (startsKindWord(bytes, Word::Landing) || startsKindWord(bytes, Word::Header)))
        ++blocksStarted;
}

}  // namespace

KeptRow replayToRow(const std::string& bytes) {
    resetShell();
    seams.tokenWriter = countBlocks;
    seams.cuePlayer = nullptr;
    replaySource.text = bytes;
    blocksStarted = 1;  // the header's
    beginReplay();
    while (gameState.gameRunning && gameState.replayMode) replayStep();
    KeptRow row{gameState.score, gameState.level, blocksStarted,
                replaySource.damagedAt != std::string::npos};
    seams.tokenWriter = nullptr;
    return row;
}
