// The command table: what every key does, when it may act, and what it says.
#include "app/commands.h"

#include <cstdint>

#include "app/input_state.h"
#include "app/playback.h"
#include "app/prompts.h"
#include "app/restart.h"
#include "app/window_seam.h"
#include "model/block.h"
#include "model/cheat.h"
#include "model/game_step.h"
#include "model/message_line.h"
#include "model/motion.h"
#include "model/sound_cue.h"
#include "render/view_settings.h"
#include "suggest/placement_search.h"

namespace {

constexpr int32_t topPlayerLevel = 5;  // the level key stops here

enum class Gate : uint8_t { Always, Running, RunningBelowTop };

bool gateOpen(Gate gate) {
    switch (gate) {
        case Gate::Always:
            return true;
        case Gate::Running:
            return gameState.gameRunning == 1;
        case Gate::RunningBelowTop:
            return gameState.gameRunning == 1 && gameState.level < topPlayerLevel;
    }
    return false;
}

// Keys that flip a 0/1 switch and announce its new state for 2 seconds.
struct FlagToggle {
    unsigned char key;
    Gate gate;
    int32_t* flag;
    const char* onText;
    const char* offText;
    int cueId;
};

const FlagToggle toggles[] = {
    {'h', Gate::Running, &gameState.hintsOn,
     "Hints ON - shown in different colour (WARNING: They might not be the most optimal "
     "choices!  Beware!)",
     "Hints OFF", CueHints},
    {'3', Gate::Always, &viewSettings.gridlines, "Gridlines ON", "Gridlines OFF", CueView},
    {'4', Gate::Always, &viewSettings.wireframe, "Wireframe ON", "Wireframe OFF", CueView},
    {'5', Gate::Always, &gameState.soundOn, "Sound ON", "Sound OFF", 0},
    {'z', Gate::Always, &viewSettings.navigating, "Zoom ON", "Zoom OFF", CueView},
};

void flip(const FlagToggle& t) {
    *t.flag = *t.flag ? 0 : 1;
    showUrgentMessage(*t.flag ? t.onText : t.offText, 2);
    playCue(t.cueId);
}

void plusX() { moveBlock(Move::PlusX); }
void minusX() { moveBlock(Move::MinusX); }
void plusZ() { moveBlock(Move::PlusZ); }
void minusZ() { moveBlock(Move::MinusZ); }

void fall() {
    if (gameState.replayMode)
        replayStep();
    else
        gameStep();
}

void levelUp() {
    playCue(CueLevelUp);
    gameState.addLevel(1);
}

void setProjectionMode(int32_t orthogonal, const char* text) {
    viewSettings.orthogonal = orthogonal;
    windowSeam.setProjection();
    showUrgentMessage(text, 2);
    playCue(CueView);
}
void orthogonalView() { setProjectionMode(1, "Orthogonal View"); }
void perspectiveView() { setProjectionMode(0, "Perspective View"); }

void alignView() {
    viewSettings.angleY = 0;
    showUrgentMessage("View Mode Corrected", 2);
    playCue(CueView);
}

void askReplayName() {
    playCue(CueLoadReplay);
    if (gameState.replayMode) restartGame();
    inputState.enteringLoadName = 1;
    showUrgentMessage("Please input the name of the replay file to read from", 5);
}

void askRecordingName() {
    playCue(CueSaveReplay);
    inputState.enteringSaveName = 1;
    showUrgentMessage("Please enter the name of the recorded file", 5);
}

void askQuit() {
    playCue(CuePause);
    gameState.paused = 1;
    showUrgentMessage("Game is paused.  Type 'yes' to quit, anything else to continue", 20);
}

const char* const helpText =
    "1: ViewO 2:ViewP 3:Grid 4:Wireframe 5:Sound 6: Cheat 7:Align 9:Load Replay 0:Save Replay "
    "h: Hint";

void showHelp() {
    showUrgentMessage(helpText, 10);
    postMessage(helpText, 10);
    postMessage("You can always press 'p' to restart and 'q' to quit", 3);
}

struct KeyCommand {
    unsigned char key;
    Gate gate;
    void (*run)();
};

const KeyCommand commands[] = {
    {'d', Gate::Running, plusX},         {'a', Gate::Running, minusX},
    {'x', Gate::Running, plusZ},         {'w', Gate::Running, minusZ},
    {'s', Gate::Running, turnBlock},     {' ', Gate::Running, fall},
    {'H', Gate::Running, placeByHint},   {'+', Gate::RunningBelowTop, levelUp},
    {'1', Gate::Always, orthogonalView}, {'2', Gate::Always, perspectiveView},
    {'6', Gate::Always, cheatCommand},   {'7', Gate::Always, alignView},
    {'9', Gate::Always, askReplayName},  {'0', Gate::Always, askRecordingName},
    {'q', Gate::Always, askQuit},        {'p', Gate::Always, restartGame},
    {'?', Gate::Always, showHelp},
};

}  // namespace

void runCommand(unsigned char key) {
    resetStatus();
    for (const FlagToggle& t : toggles)
        if (t.key == key && gateOpen(t.gate)) flip(t);
    for (const KeyCommand& c : commands)
        if (c.key == key && gateOpen(c.gate)) c.run();
    windowSeam.redisplay();
}

void onKey(unsigned char key, int, int) {
    if (promptKey(key)) return;
    runCommand(key);
}
