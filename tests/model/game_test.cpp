// Gravity, landing, the two ends of a game and the cheat, in single steps and
// in whole games driven by the game step.
#include <gtest/gtest.h>

#include <algorithm>

#include "model/sound_cue.h"
#include "model/block.h"
#include "model/cheat.h"
#include "model/game_step.h"
#include "model/motion.h"
#include "model/message_line.h"
#include "tests/support/test_support.h"

using namespace testing_support;

namespace {

using GameTest = FreshGame;

// Layer 0 full but for the four cells a bar dropped at x, z 2..5 fills.
void layerWaitingForBar(int x) {
    for (int i = 0; i < 24; ++i) settledWell.setCell(i % 4, 0, i / 4, SettledCube);
    for (int z = 2; z <= 5; ++z) settledWell.setCell(x, 0, z, 0);
    startKind(bar);
    fallingBlock.x = x, fallingBlock.y = 0;
    fallingBlock.build();
}

void stepUntilLanded() {
    for (int steps = 0; steps < 25 && getStatus() != Landed && getStatus() != GameOver; ++steps)
        gameStep();
}

// Six 2 x 2 x 2 cubes, moved from x 2, z 2 into every corner, fill two layers.
void fillTwoLayersWithCubes() {
    for (int x : {0, 2})
        for (int z : {0, 2, 4}) {
            for (int i = fallingBlock.x; i > x; --i) moveBlock(Move::MinusX);
            for (int i = fallingBlock.z; i > z; --i) moveBlock(Move::MinusZ);
            for (int i = fallingBlock.z; i < z; ++i) moveBlock(Move::PlusZ);
            resetStatus();
            stepUntilLanded();
        }
}

}  // namespace

TEST_F(GameTest, FallThenLandAndRecordTheNextKind) {
    startKind(lh);
    fallingBlock.y = 2;
    fallingBlock.build();
    gameStep();
    moveBlock(Move::PlusX);
    gameStep();
    EXPECT_EQ(fallingBlock.y, 0);
    scriptRandom({randomForKind(zblk)});
    gameStep();
    EXPECT_EQ(getStatus(), Landed);
    EXPECT_EQ(settledWell.cell(3, 0, 4), SettledCube);
    EXPECT_EQ(fallingBlock.kind, zblk);
    EXPECT_EQ(recordedTokens, "dropincXdropCT 6");
    EXPECT_STREQ(currentMessage(), "weeeEee");
    EXPECT_EQ(playedCues, (std::vector<int>{CueMove, CueLand}));
    EXPECT_EQ(gameState.gameRunning, 1);
}

TEST_F(GameTest, LayerIsClearedAfterTheNextKindIsDrawnAtTheOldLevel) {
    layerWaitingForBar(2);
    gameState.layerCount = 9;
    scriptRandom({22});  // b4 at level 0, base3 at level 1
    gameStep();
    EXPECT_EQ(fallingBlock.kind, b4);
    EXPECT_EQ(gameState.level, 1);
    EXPECT_EQ(gameState.score, 10);
    EXPECT_FALSE(settledWell.isLayerFull(0));
}

TEST_F(GameTest, OverlappingNewBlockEndsTheGameBeforeClearing) {
    layerWaitingForBar(0);
    fillSettled({{2, 19, 3}});  // under the next bar's start cells
    gameStep();
    EXPECT_EQ(getStatus(), GameOver);
    EXPECT_EQ(gameState.gameRunning, 0);
    EXPECT_TRUE(settledWell.isLayerFull(0)) << "no layer is cleared";
    EXPECT_EQ(recordedTokens, "") << "game over writes no token";
    EXPECT_EQ(playedCues, (std::vector<int>{CueLand, CueGameOver}));
    const char* gameOver = "Game Over. Press 'q' to quit or press 'p' to start over";
    EXPECT_STREQ(currentMessage(), gameOver);
    fakeNow += 25;
    EXPECT_STREQ(currentMessage(), gameOver);
    fakeNow += 25;
    EXPECT_STREQ(currentMessage(), "I feel so sorry, I will make sure you don't lose again");
}

TEST_F(GameTest, LevelSixOrMoreWins) {
    // 9 + 1 layers reach level 6; 9 + 11 (cheat-filled ones go along) reach 7.
    for (int extraLayers : {0, 10}) {
        resetGame();
        gameState.level = 5, gameState.layerCount = 9;
        layerWaitingForBar(2);
        for (int y = 1; y <= extraLayers; ++y)
            for (int i = 0; i < 24; ++i) settledWell.setCell(i % 4, y, i / 4, SettledCube);
        gameStep();
        EXPECT_EQ(gameState.level, extraLayers ? 7 : 6);
        EXPECT_EQ(gameState.gameRunning, 0);
        EXPECT_EQ(playedCues.back(), CueWin);
        EXPECT_STREQ(currentMessage(), "Congratulations! You have won the game!");
        EXPECT_EQ(blockWell.cell(2, 19, 2), 2) << "the new block stays visible";
    }
}

TEST_F(GameTest, DuringReplayNoLandingEndsTheGameOrStartsABlock) {
    gameState.replayMode = 1;
    gameState.gameRunning = 0;  // and no landing cue in an ended game
    layerWaitingForBar(0);
    fillSettled({{2, 19, 3}});
    gameStep();
    EXPECT_EQ(getStatus(), Landed);
    EXPECT_TRUE(playedCues.empty());
    EXPECT_EQ(fallingBlock.y, 0);
    EXPECT_EQ(recordedTokens, "") << "playback writes its tokens itself";
}

TEST_F(GameTest, CheatFillsRecordsAndCounts) {
    gameState.gameRunning = 0;  // works after the game has ended too
    fillSettled({{1, 3, 1}});
    cheatCommand();
    EXPECT_EQ(settledWell.cell(1, 2, 1), SettledCube);
    EXPECT_EQ(gameState.cheatsLeft, 4);
    EXPECT_STREQ(currentMessage(), "OMG! You are such a cheater.  All holes are now filled");
    gameState.cheatsLeft = 0;
    cheatCommand();
    EXPECT_EQ(settledWell.cell(1, 1, 1), 0);
    EXPECT_EQ(gameState.cheatsLeft, 0);
    EXPECT_STREQ(currentMessage(), "Sorry, you cheated too much!");
    EXPECT_EQ(recordedTokens, "ngap");
    EXPECT_EQ(playedCues, (std::vector<int>{CueCheat, CueCheat})) << "the cue precedes the test";
}

TEST_F(GameTest, WholeGameClearsLayersRisesALevelAndEndsInGameOver) {
    startKind(b4);
    scriptRandom(std::vector<int>(200, randomForKind(b4)));
    for (int round = 0; round < 5; ++round) fillTwoLayersWithCubes();
    EXPECT_EQ(gameState.level, 1);
    EXPECT_EQ(gameState.score, 5 * 40);
    EXPECT_EQ(gameState.cheatsLeft, 15);
    EXPECT_EQ(std::count(settledWell.cells.get(), settledWell.cells.get() + WellCells, 0),
              WellCells);
    int landings = 0;
    for (; gameState.gameRunning && landings < 20; ++landings) {
        resetStatus();
        stepUntilLanded();
    }
    EXPECT_EQ(landings, 10) << "the tenth cube fills the start cells";
    EXPECT_EQ(getStatus(), GameOver);
}

TEST_F(GameTest, WholeGameReachesTheWin) {
    gameState.level = 5, gameState.layerCount = 8;
    startKind(b4);
    scriptRandom(std::vector<int>(20, 10));  // b4 at level 5
    fillTwoLayersWithCubes();
    EXPECT_EQ(gameState.level, 6);
    EXPECT_EQ(gameState.gameRunning, 0);
    EXPECT_EQ(playedCues.back(), CueWin);
}
