// The restart sequence, and the program's whole start state.
#include "app/restart.h"

#include "app/game_words.h"
#include "app/input_state.h"
#include "app/keep_game.h"
#include "app/recording.h"
#include "app/replay_source.h"
#include "app/window_seam.h"
#include "model/block.h"
#include "model/message_line.h"
#include "model/reset.h"
#include "model/sound_cue.h"
#include "render/view_settings.h"
#include "suggest/placement_search.h"

void restartGame() {
    keepGameBeingLeft();  // p, the two name prompts and Watch all leave the game here
    playCue(CueRestart);

    viewSettings.angleX = viewSettings.angleY = viewSettings.angleZ = 0;
    viewSettings.navigating = 0;
    gameState.hintsOn = 0;
    gameState.replayMode = 0;
    inputState.enteringSaveName = 0;
    inputState.enteringLoadName = 0;
    gameState.gameRunning = 1;
    gameState.soundOn = 1;

    settledWell.clear();
    displayWell.clear();
    blockWell.clear();

    clearMessages();
    postMessage("Game Restarted", 5);
    postMessage("Hope you are enjoying Zandok.", 5);

    fallingBlock.next();
    gameState.resetCounters();
    writeReplayHeader();

    gameState.gameRunning = 1;
    windowSeam.redisplay();
}

void resetShell() {
    resetModel();
    keptPlacement = {};
    viewSettings = {};
    inputState = {};
    windowSeam = {};
    closeReplay();
    closeRecording();
    gameWords = {};
    refuseDefaultRecording(nullptr);
    writeRecordingBytes = writeAndFlush;
}
