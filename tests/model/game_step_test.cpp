// Gravity, landing and the two ends of a game, single steps and whole games.
#include <gtest/gtest.h>

#include "app/replay_log.h"
#include "app/sound_cue.h"
#include "model/block.h"
#include "model/game_step.h"
#include "model/motion.h"
#include "render/message_line.h"
#include "tests/support/test_support.h"

using namespace testing_support;

namespace {

class GameStepTest : public ::testing::Test {
protected:
    std::string recording;
    void SetUp() override {
        resetGame();
        recording = tempPath("rec.txt");
        ASSERT_TRUE(openRecordingFile(recording));
    }
    void TearDown() override { closeRecording(); }
};

void fillLayers(int from, int to) {
    for (int y = from; y <= to; ++y)
        for (int x = 0; x < 4; ++x)
            for (int z = 0; z < 6; ++z) settledWell.setCell(x, y, z, SettledCube);
}

// Steps until the block lands or the game ends; returns the steps taken.
int stepUntilLanded() {
    for (int steps = 1; steps <= 25; ++steps) {
        gameStep();
        if (getStatus() == Landed || getStatus() == GameOver) return steps;
    }
    return -1;
}

// Moves the b4 (started at x 2, z 2) to x, z and lets it land.
void placeCube(int x, int z) {
    for (int i = fallingBlock.x; i > x; --i) moveBlock(Move::MinusX);
    for (int i = fallingBlock.z; i > z; --i) moveBlock(Move::MinusZ);
    for (int i = fallingBlock.z; i < z; ++i) moveBlock(Move::PlusZ);
    stepUntilLanded();
}

// Six cubes fill two whole layers.
void fillTwoLayersWithCubes() {
    for (int x : {0, 2})
        for (int z : {0, 2, 4}) placeCube(x, z);
}

}  // namespace

TEST_F(GameStepTest, BlockFallsThenLandsAndTheNextKindIsRecorded) {
    startKind(bar);
    fallingBlock.y = 1;
    fallingBlock.build();
    scriptRandom({randomForKind(rh)});
    gameStep();
    EXPECT_EQ(fallingBlock.y, 0);
    EXPECT_EQ(getStatus(), Ok);
    gameStep();
    EXPECT_EQ(getStatus(), Landed);
    for (int z = 2; z <= 5; ++z) EXPECT_EQ(settledWell.cell(2, 0, z), SettledCube);
    EXPECT_EQ(fallingBlock.kind, rh);
    EXPECT_EQ(readFile(recording), "dropCT 5");
    EXPECT_STREQ(currentMessage(), "weeeEee");
    EXPECT_EQ(playedCues, std::vector<int>{CueLand});
    EXPECT_EQ(GameState::gameRunning, 1);
}

TEST_F(GameStepTest, LandingCueNeedsSoundAndARunningGame) {
    for (int running : {0, 1})
        for (int sound : {0, 1}) {
            resetGame();
            GameState::gameRunning = running, GameState::soundOn = sound;
            fallingBlock.y = 0;
            fallingBlock.build();
            gameStep();
            const bool played = !playedCues.empty() && playedCues[0] == CueLand;
            EXPECT_EQ(played, running && sound) << running << sound;
        }
}

TEST_F(GameStepTest, LayerIsClearedAfterTheNextBlockIsDrawn) {
    fillLayers(0, 0);
    settledWell.setCell(2, 0, 2, 0);  // the hole the bar's end fills
    settledWell.setCell(2, 0, 3, 0);
    settledWell.setCell(2, 0, 4, 0);
    settledWell.setCell(2, 0, 5, 0);
    GameState::layerCount = 9;
    startKind(bar);
    fallingBlock.y = 0;
    fallingBlock.build();
    // 22 is b4 at level 0 but base3 at level 1: the draw uses the old level.
    scriptRandom({22});
    gameStep();
    EXPECT_EQ(getStatus(), Landed);
    EXPECT_EQ(fallingBlock.kind, b4);
    EXPECT_EQ(GameState::level, 1);
    EXPECT_EQ(GameState::layerCount, 0);
    EXPECT_EQ(GameState::score, 10);
    EXPECT_FALSE(settledWell.isLayerFull(0));
    EXPECT_EQ(GameState::boardChanged, 1);
}

TEST_F(GameStepTest, OverlappingNewBlockEndsTheGameBeforeClearing) {
    // The landing bar completes layer 0; the next bar starts on a cube.
    fillLayers(0, 0);
    for (int z = 2; z <= 5; ++z) settledWell.setCell(0, 0, z, 0);
    fillSettled({{2, 19, 3}});
    startKind(bar);
    fallingBlock.x = 0;
    fallingBlock.y = 0;
    fallingBlock.build();
    scriptRandom({randomForKind(bar)});
    gameStep();
    EXPECT_EQ(getStatus(), GameOver);
    EXPECT_EQ(GameState::gameRunning, 0);
    EXPECT_EQ(GameState::score, 0) << "no layer is cleared";
    EXPECT_TRUE(settledWell.isLayerFull(0));
    EXPECT_EQ(readFile(recording), "") << "game over writes no token";
    EXPECT_EQ(playedCues, (std::vector<int>{CueLand, CueGameOver}));
    EXPECT_STREQ(currentMessage(), "Game Over. Press 'q' to quit or press 'p' to start over");
    fakeNow += 25;
    EXPECT_STREQ(currentMessage(), "Game Over. Press 'q' to quit or press 'p' to start over");
    fakeNow += 25;
    EXPECT_STREQ(currentMessage(), "I feel so sorry, I will make sure you don't lose again");
}

TEST_F(GameStepTest, LevelSixWinsAndStops) {
    GameState::level = 5;
    GameState::layerCount = 9;
    fillLayers(0, 0);
    for (int z = 2; z <= 5; ++z) settledWell.setCell(2, 0, z, 0);
    startKind(bar);
    fallingBlock.y = 0;
    fallingBlock.build();
    scriptRandom({randomForKind(bar)});
    gameStep();
    EXPECT_EQ(GameState::level, 6);
    EXPECT_EQ(GameState::gameRunning, 0);
    EXPECT_EQ(playedCues, (std::vector<int>{CueLand, CueLevelUp, CueWin}));
    EXPECT_STREQ(currentMessage(), "Congratulations! You have won the game!");
    EXPECT_EQ(blockWell.cell(2, 19, 2), 2) << "the new block stays visible";
}

TEST_F(GameStepTest, JumpingFromFiveToSevenStillWins) {
    // Cheat-filled layers go with the landing's own: 9 + 11 layers at once.
    GameState::level = 5;
    GameState::layerCount = 9;
    fillLayers(0, 10);
    startKind(b4);
    fallingBlock.y = 12;
    fallingBlock.build();
    scriptRandom({randomForKind(bar)});
    gameStep();
    EXPECT_EQ(GameState::level, 7);
    EXPECT_EQ(GameState::gameRunning, 0);
    EXPECT_EQ(playedCues.back(), CueWin);
}

TEST_F(GameStepTest, DuringReplayNoLandingEndsTheGameOrStartsABlock) {
    GameState::replayMode = 1;
    fillLayers(0, 18);
    startKind(bar);
    fallingBlock.y = 19;
    fallingBlock.build();
    gameStep();
    EXPECT_EQ(getStatus(), Landed);
    EXPECT_EQ(GameState::gameRunning, 1);
    EXPECT_EQ(fallingBlock.kind, bar);
    EXPECT_EQ(fallingBlock.y, 19);
    EXPECT_EQ(readFile(recording), "") << "playback writes its tokens itself";
}

TEST_F(GameStepTest, WholeGameClearsLayersRisesALevelAndEndsInGameOver) {
    startKind(b4);
    scriptRandom(std::vector<int>(200, randomForKind(b4)));
    for (int round = 0; round < 5; ++round) fillTwoLayersWithCubes();
    EXPECT_EQ(GameState::level, 1);
    EXPECT_EQ(GameState::layerCount, 0);
    EXPECT_EQ(GameState::score, 5 * 40);
    EXPECT_EQ(GameState::cheatsLeft, 15);
    EXPECT_EQ(GameState::gameRunning, 1);
    for (int i = 0; i < WellCells; ++i) ASSERT_EQ(settledWell.cells[i], 0);

    int landings = 0;
    while (GameState::gameRunning && landings < 20) {
        stepUntilLanded();
        ++landings;
    }
    EXPECT_EQ(getStatus(), GameOver);
    EXPECT_EQ(landings, 10) << "the tenth cube fills the start cells";
    EXPECT_EQ(playedCues.back(), CueGameOver);
    const std::string tokens = readFile(recording);
    EXPECT_EQ(tokens.substr(0, 12), "decXdecXdecZ");
    EXPECT_EQ(tokens.size() % 4, 0u);
}

TEST_F(GameStepTest, WholeGameReachesTheWin) {
    GameState::level = 5;
    GameState::layerCount = 8;
    startKind(b4);
    scriptRandom(std::vector<int>(20, 10));  // b4 at level 5
    fillTwoLayersWithCubes();
    EXPECT_EQ(GameState::level, 6);
    EXPECT_EQ(GameState::gameRunning, 0);
    EXPECT_EQ(playedCues.back(), CueWin);
}
