// Gravity: fall a cell, or land, start the next block and decide the end of
// the game.
#include "model/game_step.h"

#include "model/block.h"
#include "model/message_line.h"
#include "model/motion.h"
#include "model/recording.h"
#include "model/sound_cue.h"

namespace {

constexpr int32_t winLevel = 6;

const char* const gameOverText = "Game Over. Press 'q' to quit or press 'p' to start over";
const char* const wonText = "Congratulations! You have won the game!";

// Lands the block where it last fitted and starts the next one; returns
// whether the new block overlaps the stack.
bool landBlock() {
    resetStatus();
    fallingBlock.incY();
    playCue(CueLand);
    showUrgentMessage("weeeEee", 2);
    settledWell.mergeSettled(blockWell);
    if (!gameState.replayMode) fallingBlock.next();
    testBlockFit();
    return statusFailed();
}

void endGame(SoundCue cue) {
    gameState.gameRunning = 0;
    playCue(cue);
}

}  // namespace

void gameStep() {
    resetStatus();
    fallingBlock.decY();
    testBlockFit();
    if (!statusFailed()) {
        // Playback writes the tokens it performs itself, exactly as read.
        if (!gameState.replayMode) recordWord(Word::Drop);
        return;
    }

    const bool overlaps = landBlock();
    if (overlaps && !gameState.replayMode) {
        setStatus(GameOver);
        showUrgentMessage(gameOverText, 25);
        postMessage(gameOverText, 25);
        postMessage("I feel so sorry, I will make sure you don't lose again", 5);
        endGame(CueGameOver);
        return;
    }

    setStatus(Landed);
    if (!gameState.replayMode) recordKindWord(Word::Landing, fallingBlock.kind);
    settledWell.clearFullLayers();
    gameState.boardChanged = 1;
    // A landing can lift the level past 6 at once (cheat-filled layers are
    // cleared with the landing's own), so the win is "6 or more".
    if (gameState.level < winLevel) return;

    showUrgentMessage(wonText, 10);
    postMessage(wonText, 10);
    postMessage("Press 'q' to quit or press 'p' to start over", 20);
    endGame(CueWin);
}
