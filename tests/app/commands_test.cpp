// The key commands: what each key does, records, sounds and says, and when
// it does nothing.
#include <gtest/gtest.h>

#include <cstring>

#include "app/commands.h"
#include "app/input_state.h"
#include "app/replay_log.h"
#include "app/replay_source.h"
#include "app/sound_cue.h"
#include "app/view_settings.h"
#include "model/block.h"
#include "render/message_line.h"
#include "tests/app/shell_support.h"
#include "tests/support/test_support.h"

using namespace testing_support;
using namespace shell_support;

namespace {

class CommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetShell();
        recordToTemp();
    }
    void TearDown() override { closeRecording(); }
};

// The urgent text now on the line and the seconds it has left.
std::string urgentText() {
    return messageLine.urgentShowing ? messageLine.urgentText : "(none)";
}
int64_t urgentSeconds() {
    return messageLine.urgentEnd - fakeNow;
}

struct MoveCase {
    char key;
    const char* word;
    int dx, dz;
};
const MoveCase moveCases[] = {
    {'d', "incX", 1, 0}, {'a', "decX", -1, 0}, {'x', "incZ", 0, 1}, {'w', "decZ", 0, -1}};

}  // namespace

TEST_F(CommandTest, MoveKeysRecordMoveAndSound) {
    for (const MoveCase& m : moveCases) {
        resetShell();
        recordToTemp();
        startKind(b4);  // x 2..3, z 2..3: room to move one cell every way but +x
        if (m.key == 'd') fallingBlock.x = 1, fallingBlock.build();
        const int x = fallingBlock.x, z = fallingBlock.z;
        press(std::string(1, m.key));
        EXPECT_EQ(recorded(), m.word) << m.key;
        EXPECT_EQ(fallingBlock.x, x + m.dx) << m.key;
        EXPECT_EQ(fallingBlock.z, z + m.dz) << m.key;
        EXPECT_EQ(playedCues, std::vector<int>{CueMove}) << m.key;
        EXPECT_EQ(getStatus(), Ok);
        EXPECT_EQ(seamCalls.redisplays, 1);
    }
}

TEST_F(CommandTest, RefusedMoveIsRecordedAndSoundsButTheBlockStays) {
    startKind(b4);  // x 2..3: the right wall is next to it
    press("dd");
    EXPECT_EQ(recorded(), "incXincX");
    EXPECT_EQ(fallingBlock.x, 2);
    EXPECT_EQ(playedCues, (std::vector<int>{CueMove, CueMove}));
    EXPECT_EQ(getStatus(), OutOfWell);  // left as the fit test set it
    EXPECT_EQ(blockCells(), 8);
}

TEST_F(CommandTest, MovesAreSilentWithSoundOff) {
    GameState::soundOn = 0;
    press("as");
    EXPECT_EQ(recorded(), "decXincM");
    EXPECT_TRUE(playedCues.empty());
}

TEST_F(CommandTest, TurnTakesTheNextModeThatFitsOrKeepsTheMode) {
    startKind(bar);
    fallingBlock.y = 10, fallingBlock.build();
    press("s");
    EXPECT_EQ(recorded(), "incM");
    EXPECT_EQ(fallingBlock.mode, 1);
    EXPECT_EQ(playedCues, std::vector<int>{CueRotate});

    // Walls on both sides of the vertical bar: no other mode fits.
    for (int y = 0; y < WellHeight; ++y)
        for (int z = 0; z < WellDepth; ++z)
            if (z != 2) settledWell.setCell(2, y, z, SettledCube);
    for (int y = 0; y < WellHeight; ++y) settledWell.setCell(1, y, 2, SettledCube);
    for (int y = 0; y < WellHeight; ++y) settledWell.setCell(3, y, 2, SettledCube);
    press("s");
    EXPECT_EQ(recorded(), "incMincM");
    EXPECT_EQ(fallingBlock.mode, 1);
    EXPECT_EQ(blockCells(), 4);
}

TEST_F(CommandTest, SpaceStepsGravityOrThePlayback) {
    const int y = fallingBlock.y;
    press(" ");
    EXPECT_EQ(fallingBlock.y, y - 1);
    EXPECT_EQ(recorded(), "drop");
    EXPECT_EQ(GameState::nextFallTime, fakeNow);  // the schedule is not moved

    ASSERT_TRUE(loadReplay(writeTemp("r.txt", "INI3drop")));
    GameState::replayMode = 1;
    press(" ");
    EXPECT_EQ(fallingBlock.kind, slab);
    EXPECT_EQ(replaySource.position, 4u);
    press(" ");
    EXPECT_EQ(replaySource.position, 8u);
    EXPECT_EQ(recorded(), "INI3drop");
}

TEST_F(CommandTest, HintKeyRecordsAndPlacesTheBlock) {
    startKind(bar);
    press("H");
    EXPECT_EQ(recorded(), "HINT");
    // The first lowest trial of the empty well: x 0, z 0, mode 0 on the floor.
    EXPECT_EQ(fallingBlock.x, 0);
    EXPECT_EQ(fallingBlock.z, 0);
    EXPECT_EQ(fallingBlock.mode, 0);
    EXPECT_EQ(fallingBlock.y, 0);
    EXPECT_EQ(blockCells(), 4);
    EXPECT_TRUE(playedCues.empty());
}

TEST_F(CommandTest, HintToggleAlwaysSoundsAndAnnounces) {
    GameState::soundOn = 0;
    press("h");
    EXPECT_EQ(GameState::hintsOn, 1);
    EXPECT_EQ(urgentText(),
              "Hints ON - shown in different colour (WARNING: They might not be the most optimal "
              "choices!  Beware!)");
    EXPECT_EQ(urgentSeconds(), 2);
    press("h");
    EXPECT_EQ(GameState::hintsOn, 0);
    EXPECT_EQ(urgentText(), "Hints OFF");
    EXPECT_EQ(playedCues, (std::vector<int>{CueHints, CueHints}));
    EXPECT_EQ(recorded(), "");
}

TEST_F(CommandTest, LevelKeyStopsAtFiveAndAlwaysSounds) {
    GameState::soundOn = 0;
    GameState::level = 4;
    press("+");
    EXPECT_EQ(GameState::level, 5);
    EXPECT_EQ(playedCues, std::vector<int>{CueLevelUp});
    press("+");
    EXPECT_EQ(GameState::level, 5);
    EXPECT_EQ(playedCues.size(), 1u);
    EXPECT_EQ(recorded(), "");
}

TEST_F(CommandTest, ProjectionKeysSetTheModeAndRebuildTheProjection) {
    press("2");
    EXPECT_EQ(ViewSettings::orthogonal, 0);
    EXPECT_EQ(seamCalls.projections, 1);
    EXPECT_EQ(urgentText(), "Perspective View");
    EXPECT_EQ(urgentSeconds(), 2);
    press("1");
    EXPECT_EQ(ViewSettings::orthogonal, 1);
    EXPECT_EQ(seamCalls.projections, 2);
    EXPECT_EQ(urgentText(), "Orthogonal View");
    EXPECT_EQ(playedCues, (std::vector<int>{CueView, CueView}));
    GameState::soundOn = 0;
    press("2");
    EXPECT_EQ(playedCues.size(), 2u);
}

TEST_F(CommandTest, SwitchKeysFlipAndAnnounceTheNewState) {
    struct Case {
        char key;
        int32_t* flag;
        const char* on;
        const char* off;
        bool viewCue;
    };
    const Case cases[] = {
        {'3', &ViewSettings::gridlines, "Gridlines ON", "Gridlines OFF", true},
        {'4', &ViewSettings::wireframe, "Wireframe ON", "Wireframe OFF", true},
        {'5', &GameState::soundOn, "Sound ON", "Sound OFF", false},
        {'z', &ViewSettings::navigating, "Zoom ON", "Zoom OFF", true},
    };
    for (const Case& c : cases) {
        resetShell();
        GameState::gameRunning = 0;  // view switches work after the game
        const int32_t before = *c.flag;
        press(std::string(1, c.key));
        EXPECT_EQ(*c.flag, 1 - before) << c.key;
        EXPECT_EQ(urgentText(), *c.flag ? c.on : c.off) << c.key;
        EXPECT_EQ(urgentSeconds(), 2);
        press(std::string(1, c.key));
        EXPECT_EQ(*c.flag, before) << c.key;
        EXPECT_EQ(urgentText(), *c.flag ? c.on : c.off) << c.key;
        // The view cue needs sound on at the time of the key.
        EXPECT_EQ(playedCues.empty(), !c.viewCue) << c.key;
        for (int id : playedCues) EXPECT_EQ(id, CueView);
    }
}

TEST_F(CommandTest, CheatFillsRecordsAndCountsDown) {
    GameState::gameRunning = 0;  // works without a game
    fillSettled({{0, 1, 0}});
    press("6");
    EXPECT_EQ(settledWell.cell(0, 0, 0), SettledCube);
    EXPECT_EQ(recorded(), "ngap");
    EXPECT_EQ(GameState::cheatsLeft, 4);
    EXPECT_EQ(urgentText(), "OMG! You are such a cheater.  All holes are now filled");
    EXPECT_EQ(playedCues, std::vector<int>{CueCheat});

    GameState::cheatsLeft = 0;
    press("6");
    EXPECT_EQ(recorded(), "ngap");
    EXPECT_EQ(urgentText(), "Sorry, you cheated too much!");
    EXPECT_EQ(playedCues, (std::vector<int>{CueCheat, CueCheat}));
    EXPECT_EQ(GameState::cheatsLeft, 0);
}

TEST_F(CommandTest, AlignKeyTurnsTheViewBack) {
    ViewSettings::angleY = 123;
    press("7");
    EXPECT_EQ(ViewSettings::angleY, 0);
    EXPECT_EQ(urgentText(), "View Mode Corrected");
    EXPECT_EQ(playedCues, std::vector<int>{CueView});
}

TEST_F(CommandTest, NameKeysOpenTheirPrompts) {
    press("9");
    EXPECT_EQ(InputState::enteringLoadName, 1);
    EXPECT_EQ(urgentText(), "Please input the name of the replay file to read from");
    EXPECT_EQ(urgentSeconds(), 5);
    EXPECT_EQ(playedCues, std::vector<int>{CueLoadReplay});

    resetShell();
    GameState::gameRunning = 0;
    press("0");
    EXPECT_EQ(InputState::enteringSaveName, 1);
    EXPECT_EQ(urgentText(), "Please enter the name of the recorded file");
    EXPECT_EQ(urgentSeconds(), 5);
    EXPECT_EQ(playedCues, std::vector<int>{CueSaveReplay});
}

TEST_F(CommandTest, ReplayKeyDuringPlaybackRestartsFirst) {
    GameState::replayMode = 1;
    GameState::soundOn = 0;
    fillSettled({{0, 0, 0}});
    press("9");
    EXPECT_EQ(GameState::replayMode, 0);
    EXPECT_EQ(settledWell.cell(0, 0, 0), EmptyCell);
    EXPECT_EQ(InputState::enteringLoadName, 1);
    EXPECT_EQ(recorded().substr(0, 3), "INI");
    EXPECT_TRUE(playedCues.empty());  // sound was off for both cues
}

TEST_F(CommandTest, QuitKeyPausesAndAsks) {
    press("q");
    EXPECT_EQ(GameState::paused, 1);
    EXPECT_EQ(urgentText(), "Game is paused.  Type 'yes' to quit, anything else to continue");
    EXPECT_EQ(urgentSeconds(), 20);
    EXPECT_EQ(playedCues, std::vector<int>{CuePause});
}

TEST_F(CommandTest, HelpIsShownAndPostedThenTheTip) {
    const char* help =
        "1: ViewO 2:ViewP 3:Grid 4:Wireframe 5:Sound 6: Cheat 7:Align 9:Load Replay 0:Save "
        "Replay h: Hint";
    press("?");
    EXPECT_EQ(urgentText(), help);
    EXPECT_EQ(urgentSeconds(), 10);
    ASSERT_EQ(messageLine.queue.size(), 2u);
    EXPECT_STREQ(messageLine.queue[0].text, help);
    EXPECT_EQ(messageLine.queue[0].seconds, 10);
    EXPECT_STREQ(messageLine.queue[1].text, "You can always press 'p' to restart and 'q' to quit");
    EXPECT_EQ(messageLine.queue[1].seconds, 3);
    EXPECT_TRUE(playedCues.empty());
}

TEST_F(CommandTest, AfterTheGameOnlyTheOtherKeysAct) {
    GameState::gameRunning = 0;
    GameState::level = 2;
    const int x = fallingBlock.x, y = fallingBlock.y, mode = fallingBlock.mode;
    press("daxws hH+");
    EXPECT_EQ(recorded(), "");
    EXPECT_EQ(fallingBlock.x, x);
    EXPECT_EQ(fallingBlock.y, y);
    EXPECT_EQ(fallingBlock.mode, mode);
    EXPECT_EQ(GameState::hintsOn, 0);
    EXPECT_EQ(GameState::level, 2);
    EXPECT_TRUE(playedCues.empty());
    EXPECT_EQ(seamCalls.redisplays, 9);  // every key still asks for a frame

    press("q");
    EXPECT_EQ(GameState::paused, 1);
}

TEST_F(CommandTest, CapitalsOtherThanHAndUnknownKeysDoNothing) {
    const int x = fallingBlock.x, y = fallingBlock.y;
    press("PQDASXW!\x01");
    EXPECT_EQ(recorded(), "");
    EXPECT_EQ(fallingBlock.x, x);
    EXPECT_EQ(fallingBlock.y, y);
    EXPECT_EQ(GameState::paused, 0);
    EXPECT_EQ(InputState::enteringLoadName + InputState::enteringSaveName, 0);
    EXPECT_TRUE(playedCues.empty());
    EXPECT_FALSE(messageLine.urgentShowing);
    EXPECT_EQ(seamCalls.redisplays, 9);
}

TEST_F(CommandTest, EveryCommandStartsFromAClearStatus) {
    setStatus(Collision);
    press("3");
    EXPECT_EQ(getStatus(), Ok);
}
