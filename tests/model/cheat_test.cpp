// Gaps, the fill pass and the cheat command.
#include <gtest/gtest.h>

#include <cstring>

#include "app/replay_log.h"
#include "app/sound_cue.h"
#include "model/cheat.h"
#include "model/well.h"
#include "render/message_line.h"
#include "tests/support/test_support.h"

using namespace testing_support;

namespace {

class CheatTest : public ::testing::Test {
protected:
    std::string recording;
    void SetUp() override {
        resetGame();
        recording = tempPath("rec.txt");
        ASSERT_TRUE(openRecordingFile(recording));
    }
    void TearDown() override { closeRecording(); }
};

int settledCount() {
    int n = 0;
    for (int i = 0; i < WellCells; ++i) n += settledWell.cells[i] != 0;
    return n;
}

}  // namespace

TEST_F(CheatTest, EachPassFillsOneMoreCellUnderAFloatingCube) {
    fillSettled({{0, 5, 0}});
    settledWell.fillGaps();
    EXPECT_EQ(settledWell.cell(0, 4, 0), SettledCube);
    EXPECT_EQ(settledWell.cell(0, 3, 0), 0);
    for (int pass = 2; pass <= 5; ++pass) settledWell.fillGaps();
    for (int y = 0; y <= 5; ++y) EXPECT_EQ(settledWell.cell(0, y, 0), SettledCube);
    EXPECT_EQ(settledCount(), 6);
    resetMessageLine();
    settledWell.fillGaps();
    EXPECT_EQ(settledCount(), 6);
    EXPECT_STREQ(currentMessage(), "") << "a pass that fills nothing posts nothing";
}

TEST_F(CheatTest, FillPassPostsItsMessage) {
    fillSettled({{2, 1, 3}});
    settledWell.fillGaps();
    EXPECT_STREQ(currentMessage(), "Some holes are now filled!");
}

TEST_F(CheatTest, GapTest) {
    EXPECT_FALSE(settledWell.hasGap());
    fillSettled({{0, 0, 0}, {0, 1, 0}, {0, 2, 0}, {3, 0, 5}, {3, 19, 5}});
    EXPECT_TRUE(settledWell.hasGap()) << "the top cube floats";
    settledWell.setCell(3, 19, 5, 0);
    EXPECT_FALSE(settledWell.hasGap());
    fillSettled({{1, 1, 0}});
    EXPECT_TRUE(settledWell.hasGap());
}

TEST_F(CheatTest, CheatFillsRecordsAndCounts) {
    fillSettled({{1, 3, 1}});
    cheatCommand();
    EXPECT_EQ(settledWell.cell(1, 2, 1), SettledCube);
    EXPECT_EQ(GameState::cheatsLeft, 4);
    EXPECT_EQ(readFile(recording), "ngap");
    EXPECT_EQ(playedCues, std::vector<int>{CueCheat});
    EXPECT_STREQ(currentMessage(), "OMG! You are such a cheater.  All holes are now filled");
}

TEST_F(CheatTest, CheatWithoutGapsStillUsesACount) {
    cheatCommand();
    EXPECT_EQ(GameState::cheatsLeft, 4);
    EXPECT_EQ(settledCount(), 0);
}

TEST_F(CheatTest, NoCheatsLeftOnlyApologises) {
    GameState::cheatsLeft = 0;
    GameState::gameRunning = 0;  // works after the game has ended too
    fillSettled({{1, 3, 1}});
    cheatCommand();
    EXPECT_EQ(settledWell.cell(1, 2, 1), 0);
    EXPECT_EQ(GameState::cheatsLeft, 0);
    EXPECT_EQ(readFile(recording), "");
    EXPECT_EQ(playedCues, std::vector<int>{CueCheat}) << "the cue comes before the test";
    EXPECT_STREQ(currentMessage(), "Sorry, you cheated too much!");
    GameState::soundOn = 0;
    playedCues.clear();
    cheatCommand();
    EXPECT_TRUE(playedCues.empty());
}
