// The command table: what every key does, when it may act, and what it says.
#include "app/commands.h"

#include <cstdint>

#include "app/input_state.h"
#include "app/prompts.h"
#include "app/replay_log.h"
#include "app/replay_source.h"
#include "app/restart.h"
#include "app/sound_cue.h"
#include "app/view_settings.h"
#include "app/window_seam.h"
#include "model/block.h"
#include "model/cheat.h"
#include "model/game_step.h"
#include "model/motion.h"
#include "render/message_line.h"
#include "suggest/placement_search.h"

namespace {

constexpr int32_t topPlayerLevel = 5;  // the level key stops here

enum class Gate : uint8_t { Always, Running, RunningBelowTop };
enum class CueRule : uint8_t { None, IfSound, Always };

void cue(int id, CueRule rule) {
    if (rule == CueRule::Always || (rule == CueRule::IfSound && GameState::soundOn)) playCue(id);
}

bool gateOpen(Gate gate) {
    switch (gate) {
        case Gate::Always:
            return true;
        case Gate::Running:
            return GameState::gameRunning == 1;
        case Gate::RunningBelowTop:
            return GameState::gameRunning == 1 && GameState::level < topPlayerLevel;
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
    CueRule cueRule;
};

const FlagToggle toggles[] = {
    {'h', Gate::Running, &GameState::hintsOn,
     "Hints ON - shown in different colour (WARNING: They might not be the most optimal "
     "choices!  Beware!)",
     "Hints OFF", CueHints, CueRule::Always},
    {'3', Gate::Always, &ViewSettings::gridlines, "Gridlines ON", "Gridlines OFF", CueView,
     CueRule::IfSound},
    {'4', Gate::Always, &ViewSettings::wireframe, "Wireframe ON", "Wireframe OFF", CueView,
     CueRule::IfSound},
    {'5', Gate::Always, &GameState::soundOn, "Sound ON", "Sound OFF", 0, CueRule::None},
    {'z', Gate::Always, &ViewSettings::navigating, "Zoom ON", "Zoom OFF", CueView,
     CueRule::IfSound},
};

void flip(const FlagToggle& t) {
    *t.flag = *t.flag ? 0 : 1;
    showUrgentMessage(*t.flag ? t.onText : t.offText, 2);
    cue(t.cueId, t.cueRule);
}

void plusX() { moveBlock(Move::PlusX); }
void minusX() { moveBlock(Move::MinusX); }
void plusZ() { moveBlock(Move::PlusZ); }
void minusZ() { moveBlock(Move::MinusZ); }

void fall() {
    if (GameState::replayMode)
        replayStep();
    else
        gameStep();
}

void placeByHint() {
    recordAction("HINT");
    placementSearch();
}

void levelUp() {
    cue(CueLevelUp, CueRule::Always);
    GameState::addLevel(1);
}

void setProjectionMode(int32_t orthogonal, const char* text) {
    ViewSettings::orthogonal = orthogonal;
    windowSeam::setProjection();
    showUrgentMessage(text, 2);
    cue(CueView, CueRule::IfSound);
}
void orthogonalView() { setProjectionMode(1, "Orthogonal View"); }
void perspectiveView() { setProjectionMode(0, "Perspective View"); }

void alignView() {
    ViewSettings::angleY = 0;
    showUrgentMessage("View Mode Corrected", 2);
    cue(CueView, CueRule::IfSound);
}

void askReplayName() {
    cue(CueLoadReplay, CueRule::IfSound);
    if (GameState::replayMode) restartGame();
    InputState::enteringLoadName = 1;
    showUrgentMessage("Please input the name of the replay file to read from", 5);
}

void askRecordingName() {
    cue(CueSaveReplay, CueRule::IfSound);
    InputState::enteringSaveName = 1;
    showUrgentMessage("Please enter the name of the recorded file", 5);
}

void askQuit() {
    cue(CuePause, CueRule::IfSound);
    GameState::paused = 1;
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
    windowSeam::redisplay();
}

void onKey(unsigned char key, int, int) {
    if (promptKey(key)) return;
    runCommand(key);
}
