// The command table: what every key does, when it may act, and what it says.
#include "app/commands.h"

#include <cstdint>
#include <string>

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

// Switches that flip between 0 and 1 and announce their new state for 2
// seconds.
struct FlagToggle {
    int32_t* flag;
    const char* onText;
    const char* offText;
    int cueId;
};

const FlagToggle hintsSwitch{
    &gameState.hintsOn,
    "Hints ON - shown in different colour (WARNING: They might not be the most optimal "
    "choices!  Beware!)",
    "Hints OFF", CueHints};
const FlagToggle gridSwitch{&viewSettings.gridlines, "Gridlines ON", "Gridlines OFF", CueView};
const FlagToggle wireframeSwitch{&viewSettings.wireframe, "Wireframe ON", "Wireframe OFF", CueView};
const FlagToggle soundSwitch{&gameState.soundOn, "Sound ON", "Sound OFF", 0};
const FlagToggle navigatingSwitch{&viewSettings.navigating, "Zoom ON", "Zoom OFF", CueView};

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

void showHelp();

// Every key's command: a switch to flip, or an action. The keys with a help
// label make the help line, in this order.
struct KeyCommand {
    unsigned char key;
    Gate gate;
    void (*run)();
    const FlagToggle* toggle;
    const char* helpLabel;
};

const KeyCommand commands[] = {
    {'1', Gate::Always, orthogonalView, nullptr, ": ViewO"},
    {'2', Gate::Always, perspectiveView, nullptr, ":ViewP"},
    {'3', Gate::Always, nullptr, &gridSwitch, ":Grid"},
    {'4', Gate::Always, nullptr, &wireframeSwitch, ":Wireframe"},
    {'5', Gate::Always, nullptr, &soundSwitch, ":Sound"},
    {'6', Gate::Always, cheatCommand, nullptr, ": Cheat"},
    {'7', Gate::Always, alignView, nullptr, ":Align"},
    {'9', Gate::Always, askReplayName, nullptr, ":Load Replay"},
    {'0', Gate::Always, askRecordingName, nullptr, ":Save Replay"},
    {'h', Gate::Running, nullptr, &hintsSwitch, ": Hint"},
    {'d', Gate::Running, plusX, nullptr, nullptr},
    {'a', Gate::Running, minusX, nullptr, nullptr},
    {'x', Gate::Running, plusZ, nullptr, nullptr},
    {'w', Gate::Running, minusZ, nullptr, nullptr},
    {'s', Gate::Running, turnBlock, nullptr, nullptr},
    {' ', Gate::Running, fall, nullptr, nullptr},
    {'H', Gate::Running, placeByHint, nullptr, nullptr},
    {'+', Gate::RunningBelowTop, levelUp, nullptr, nullptr},
    {'z', Gate::Always, nullptr, &navigatingSwitch, nullptr},
    {'q', Gate::Always, askQuit, nullptr, nullptr},
    {'p', Gate::Always, restartGame, nullptr, nullptr},
    {'?', Gate::Always, showHelp, nullptr, nullptr},
};

// The help line, made once from the table; the message line keeps the text
// itself, so it lives as long as the program.
const char* helpText() {
    static const std::string text = [] {
        std::string line;
        for (const KeyCommand& c : commands) {
            if (!c.helpLabel) continue;
            if (!line.empty()) line += ' ';
            line += static_cast<char>(c.key);
            line += c.helpLabel;
        }
        return line;
    }();
    return text.c_str();
}

void showHelp() {
    showUrgentMessage(helpText(), 10);
    postMessage(helpText(), 10);
    postMessage("You can always press 'p' to restart and 'q' to quit", 3);
}

}  // namespace

void runCommand(unsigned char key) {
    resetStatus();
    for (const KeyCommand& c : commands) {
        if (c.key != key || !gateOpen(c.gate)) continue;
        if (c.toggle)
            flip(*c.toggle);
        else
            c.run();
    }
    windowSeam.redisplay();
}

std::string commandKeys() {
    std::string keys;
    for (const KeyCommand& c : commands) keys += static_cast<char>(c.key);
    return keys;
}

void onKey(unsigned char key, int, int) {
    if (promptKey(key)) return;
    runCommand(key);
}
