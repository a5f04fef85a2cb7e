// The restart sequence: a fresh game in the same view, recorded from its
// header.
#include "app/restart.h"

#include "app/input_state.h"
#include "app/replay_log.h"
#include "app/sound_cue.h"
#include "app/view_settings.h"
#include "app/window_seam.h"
#include "model/block.h"
#include "render/message_line.h"

void restartGame() {
    if (GameState::soundOn) playCue(CueRestart);

    ViewSettings::angleX = ViewSettings::angleY = ViewSettings::angleZ = 0;
    ViewSettings::navigating = 0;
    GameState::hintsOn = 0;
    GameState::replayMode = 0;
    InputState::enteringSaveName = 0;
    InputState::enteringLoadName = 0;
    GameState::gameRunning = 1;
    GameState::soundOn = 1;

    settledWell.clear();
    displayWell.clear();
    blockWell.clear();

    clearMessages();
    postMessage("Game Restarted", 5);
    postMessage("Hope you are enjoying Zandok.", 5);

    fallingBlock.next();
    GameState::resetCounters();
    writeReplayHeader();

    GameState::gameRunning = 1;
    windowSeam::redisplay();
}
