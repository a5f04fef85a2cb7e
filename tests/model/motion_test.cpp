// Player moves and turns: the fit test, undo, recorded words and cues.
#include <gtest/gtest.h>

#include "app/replay_log.h"
#include "app/sound_cue.h"
#include "model/block.h"
#include "model/motion.h"
#include "tests/support/test_support.h"

using namespace testing_support;

namespace {

class MotionTest : public ::testing::Test {
protected:
    std::string recording;
    void SetUp() override {
        resetGame();
        recording = tempPath("rec.txt");
        ASSERT_TRUE(openRecordingFile(recording));
    }
    void TearDown() override { closeRecording(); }
};

}  // namespace

TEST_F(MotionTest, MoveIntoTheWallIsRecordedSoundedAndUndone) {
    startKind(bar);
    fallingBlock.x = 3;
    fallingBlock.build();
    moveBlock(Move::PlusX);
    EXPECT_EQ(fallingBlock.x, 3);
    for (int z = 2; z <= 5; ++z) EXPECT_EQ(blockWell.cell(3, 19, z), 2);
    EXPECT_NE(getStatus(), Ok) << "the refusal stays in the status";
    EXPECT_EQ(readFile(recording), "incX");
    EXPECT_EQ(playedCues, std::vector<int>{CueMove});
}

TEST_F(MotionTest, MovesInEveryDirectionAndAgainstTheStack) {
    startKind(bar);
    moveBlock(Move::MinusX);
    moveBlock(Move::MinusZ);
    moveBlock(Move::PlusZ);
    moveBlock(Move::PlusZ);  // z 3..6 pokes out of the back
    EXPECT_EQ(fallingBlock.x, 1);
    EXPECT_EQ(fallingBlock.z, 2);
    fillSettled({{0, 19, 3}});
    moveBlock(Move::MinusX);
    EXPECT_EQ(fallingBlock.x, 1) << "a settled cube blocks the move";
    EXPECT_EQ(getStatus(), Collision);
    EXPECT_EQ(readFile(recording), "decXdecZincZincZdecX");
}

TEST_F(MotionTest, MoveCueOnlyWithSoundOn) {
    GameState::soundOn = 0;
    moveBlock(Move::MinusX);
    turnBlock();
    EXPECT_TRUE(playedCues.empty());
}

TEST_F(MotionTest, BarTurnSkipsTheModeThatDoesNotFit) {
    startKind(bar);
    turnBlock();
    EXPECT_EQ(fallingBlock.mode, 1);
    turnBlock();  // mode 2 pokes out at x = 4, 5
    EXPECT_EQ(fallingBlock.mode, 0);
    EXPECT_EQ(getStatus(), Ok);
    EXPECT_EQ(readFile(recording), "incMincM");
    EXPECT_EQ(playedCues, (std::vector<int>{CueRotate, CueRotate}));
}

TEST_F(MotionTest, TurnKeepsTheModeWhenNoOtherFits) {
    startKind(lh);
    // Wall in the start cells' neighbourhood so that every other mode overlaps.
    for (int x = 0; x < 4; ++x)
        for (int y = 16; y < 20; ++y)
            for (int z = 0; z < 6; ++z)
                if (blockWell.cell(x, y, z) == 0) settledWell.setCell(x, y, z, SettledCube);
    turnBlock();
    EXPECT_EQ(fallingBlock.mode, 0);
    EXPECT_EQ(blockWell.cell(3, 19, 4), 6);
    startKind(b4);
    turnBlock();
    EXPECT_EQ(fallingBlock.mode, 0);
}

TEST_F(MotionTest, TurnLoopEndsForAModeOutsideTheCycle) {
    startKind(zblk);
    fallingBlock.mode = 11;  // only a damaged state can hold this
    turnBlock();
    EXPECT_LT(fallingBlock.mode, 8);
}
