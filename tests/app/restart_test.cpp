// The restart sequence: what it resets, what it leaves, and the new header.
#include <gtest/gtest.h>

#include "app/input_state.h"
#include "app/replay_log.h"
#include "app/restart.h"
#include "app/sound_cue.h"
#include "app/view_settings.h"
#include "model/block.h"
#include "render/message_line.h"
#include "suggest/placement_search.h"
#include "tests/app/shell_support.h"
#include "tests/support/test_support.h"

using namespace testing_support;
using namespace shell_support;

namespace {

class RestartTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetShell();
        recordToTemp();
    }
    void TearDown() override { closeRecording(); }
};

}  // namespace

TEST_F(RestartTest, ResetsTheGameAndWritesTheNewHeader) {
    ViewSettings::angleX = 10, ViewSettings::angleY = 20, ViewSettings::angleZ = 30;
    ViewSettings::navigating = 1;
    GameState::hintsOn = 1, GameState::replayMode = 1, GameState::gameRunning = 0;
    GameState::soundOn = 0;
    InputState::enteringSaveName = 1, InputState::enteringLoadName = 1;
    GameState::score = 77, GameState::level = 3, GameState::layerCount = 4;
    GameState::cheatsLeft = 1;
    fillSettled({{0, 0, 0}, {3, 5, 5}});
    displayWell.setCell(1, 1, 1, 4);
    recordAction("drop");
    recordAction("drop");
    scriptRandom({randomForKind(rh), randomForKind(lh)});

    restartGame();

    EXPECT_EQ(ViewSettings::angleX + ViewSettings::angleY + ViewSettings::angleZ, 0);
    EXPECT_EQ(ViewSettings::navigating, 0);
    EXPECT_EQ(GameState::hintsOn, 0);
    EXPECT_EQ(GameState::replayMode, 0);
    EXPECT_EQ(InputState::enteringSaveName + InputState::enteringLoadName, 0);
    EXPECT_EQ(GameState::gameRunning, 1);
    EXPECT_EQ(GameState::soundOn, 1);
    for (int i = 0; i < WellCells; ++i) {
        EXPECT_EQ(settledWell.cells[i], 0);
        EXPECT_EQ(displayWell.cells[i], 0);
    }
    EXPECT_EQ(fallingBlock.kind, rh);
    EXPECT_EQ(blockCells(), 4);
    EXPECT_EQ(GameState::score + GameState::level + GameState::layerCount, 0);
    EXPECT_EQ(GameState::cheatsLeft, 5);
    EXPECT_EQ(recorded(), "INI5");    // the old game is cut away
    EXPECT_TRUE(playedCues.empty());  // sound was off when it began
    EXPECT_GE(seamCalls.redisplays, 1);

    ASSERT_EQ(messageLine.queue.size(), 3u);
    EXPECT_STREQ(messageLine.queue[0].text, "");
    EXPECT_STREQ(messageLine.queue[1].text, "Game Restarted");
    EXPECT_EQ(messageLine.queue[1].seconds, 5);
    EXPECT_STREQ(messageLine.queue[2].text, "Hope you are enjoying Zandok.");
    EXPECT_EQ(messageLine.queue[2].seconds, 5);
}

TEST_F(RestartTest, SoundsWhenSoundIsOnAndLeavesTheViewAndTheClock) {
    ViewSettings::wireframe = 1, ViewSettings::gridlines = 0, ViewSettings::orthogonal = 0;
    ViewSettings::rotateY = 1, ViewSettings::zoom = 0.7f, ViewSettings::light[0] = 4;
    ViewSettings::eye[2] = 9;
    GameState::nextFallTime = fakeNow + 4;
    fakeNow += 2;
    restartGame();
    EXPECT_EQ(playedCues, std::vector<int>{CueRestart});
    EXPECT_EQ(ViewSettings::wireframe, 1);
    EXPECT_EQ(ViewSettings::gridlines, 0);
    EXPECT_EQ(ViewSettings::orthogonal, 0);
    EXPECT_EQ(ViewSettings::rotateY, 1);
    EXPECT_FLOAT_EQ(ViewSettings::zoom, 0.7f);
    EXPECT_FLOAT_EQ(ViewSettings::light[0], 4);
    EXPECT_FLOAT_EQ(ViewSettings::eye[2], 9);
    EXPECT_EQ(GameState::nextFallTime, fakeNow + 2);
}

// A placement kept for the last block of a game must not be applied to the
// first block of the next: that block may not even have the kept mode.
TEST_F(RestartTest, KeptPlacementOfTheOldGameIsStaleAfterRestart) {
    startKind(lh);
    GameState::boardChanged = 0;
    bestX = 1, bestY = 19, bestZ = 1, bestMode = 9;  // kept for that lh
    scriptRandom({randomForKind(b4)});
    restartGame();
    ASSERT_EQ(fallingBlock.kind, b4);
    EXPECT_EQ(GameState::boardChanged, 1);

    fallingBlock.y = 10, fallingBlock.build();
    press("H");
    EXPECT_EQ(fallingBlock.mode, 0);  // b4 has one mode
    EXPECT_EQ(blockCells(), 8);
}
