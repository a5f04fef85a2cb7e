// The idle pass: the whole-second gravity schedule, playback one token per
// pass, the panel's synchronisation and the frame request.
#include <gtest/gtest.h>

#include "app/idle.h"
#include "app/replay_log.h"
#include "app/replay_source.h"
#include "app/restart.h"
#include "model/block.h"
#include "model/game_step.h"
#include "tests/app/shell_support.h"
#include "tests/support/test_support.h"

using namespace testing_support;
using namespace shell_support;

namespace {

class IdleTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetShell();
        recordToTemp();
        startKind(bar);
        startY = fallingBlock.y;
    }
    void TearDown() override { closeRecording(); }
    int startY = 0;
    int fallen() const { return startY - fallingBlock.y; }
};

// Lets the block down to the floor and fills the rest of its lowest layer,
// so that the next gravity step lands it and clears that layer.
void restOnFloorOverAlmostFullLayer() {
    while (fallingBlock.y > 0) {
        fallingBlock.decY();
        resetStatus();
        displayWell.collides(settledWell, blockWell);
        if (statusFailed()) {
            fallingBlock.incY();
            break;
        }
    }
    resetStatus();
    for (int x = 0; x < WellWidth; ++x)
        for (int z = 0; z < WellDepth; ++z)
            if (blockWell.cell(x, 0, z) == EmptyCell) settledWell.setCell(x, 0, z, SettledCube);
}

}  // namespace

TEST_F(IdleTest, FirstPassStepsAtOnceThenEverySixSecondsAtLevelZero) {
    onIdle();
    EXPECT_EQ(fallen(), 1);
    EXPECT_EQ(GameState::nextFallTime, fakeNow + 6);
    for (int s = 1; s < 6; ++s) {
        fakeNow += 1;
        onIdle();
        onIdle();
        EXPECT_EQ(fallen(), 1) << s;
    }
    fakeNow += 1;
    onIdle();
    EXPECT_EQ(fallen(), 2);
    EXPECT_EQ(recorded(), "dropdrop");
}

TEST_F(IdleTest, LevelFiveStepsEverySecond) {
    GameState::level = 5;
    for (int s = 0; s < 4; ++s) {
        onIdle();
        onIdle();
        fakeNow += 1;
    }
    EXPECT_EQ(fallen(), 4);
}

TEST_F(IdleTest, DueTimeIsTakenFromTheLevelTheStepStartsWith) {
    GameState::layerCount = 9;
    restOnFloorOverAlmostFullLayer();
    onIdle();  // lands, clears the tenth layer, level 1
    ASSERT_EQ(GameState::level, 1);
    EXPECT_EQ(GameState::nextFallTime, fakeNow + 6);
    fakeNow += 6;
    onIdle();
    EXPECT_EQ(GameState::nextFallTime, fakeNow + 5);
}

TEST_F(IdleTest, MissedStepsAreNotMadeUp) {
    onIdle();
    fakeNow += 100;
    onIdle();
    onIdle();
    EXPECT_EQ(fallen(), 2);
    EXPECT_EQ(GameState::nextFallTime, fakeNow + 6);
}

TEST_F(IdleTest, FallKeyAndRestartLeaveTheSchedule) {
    onIdle();
    const int64_t due = GameState::nextFallTime;
    gameStep();  // what the space key runs
    EXPECT_EQ(GameState::nextFallTime, due);
    restartGame();
    EXPECT_EQ(GameState::nextFallTime, due);
    startKind(bar);
    startY = fallingBlock.y;
    onIdle();
    EXPECT_EQ(fallen(), 0);
    fakeNow = due;
    onIdle();
    EXPECT_EQ(fallen(), 1);
}

TEST_F(IdleTest, PauseStopsGravityAndLeavingItStepsAtOnceWhenDue) {
    onIdle();
    GameState::paused = 1;
    fakeNow += 20;
    onIdle();
    EXPECT_EQ(fallen(), 1);
    GameState::paused = 0;
    onIdle();
    EXPECT_EQ(fallen(), 2);
    EXPECT_EQ(GameState::nextFallTime, fakeNow + 6);
}

TEST_F(IdleTest, EndedGameStillSynchronisesAndRedraws) {
    GameState::gameRunning = 0;
    ASSERT_TRUE(loadReplay(writeTemp("r.txt", "drop")));
    GameState::replayMode = 1;
    onIdle();
    onIdle();
    EXPECT_EQ(fallen(), 0);
    EXPECT_EQ(replaySource.position, 0u);
    EXPECT_EQ(seamCalls.order, "SCRSCR");  // panel, game window, frame
}

TEST_F(IdleTest, PlaybackAdvancesOneTokenPerPassRegardlessOfTheClock) {
    ASSERT_TRUE(loadReplay(writeTemp("r.txt", "INI1dropdropincXdrop")));
    GameState::replayMode = 1;
    for (int pass = 1; pass <= 5; ++pass) {
        onIdle();
        EXPECT_EQ(replaySource.position, 4u * pass);
    }
    EXPECT_EQ(GameState::nextFallTime, fakeNow);  // gravity did not run
    EXPECT_EQ(recorded(), "INI1dropdropincXdrop");
    onIdle();
    EXPECT_EQ(GameState::replayMode, 0);
    EXPECT_EQ(GameState::gameRunning, 0);
    onIdle();
    EXPECT_EQ(recorded(), "INI1dropdropincXdrop");
}

TEST_F(IdleTest, PausedPlaybackWaits) {
    ASSERT_TRUE(loadReplay(writeTemp("r.txt", "INI1drop")));
    GameState::replayMode = 1;
    GameState::paused = 1;
    onIdle();
    EXPECT_EQ(replaySource.position, 0u);
}
