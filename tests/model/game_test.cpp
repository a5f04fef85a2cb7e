// Gravity, landing, the two ends of a game and the cheat.
#include <gtest/gtest.h>

#include "model/block.h"
#include "model/cheat.h"
#include "model/game_step.h"
#include "model/message_line.h"
#include "model/motion.h"
#include "model/sound_cue.h"
#include "tests/support/test_support.h"

using namespace testing_support;

namespace {

using GameTest = FreshGame;
using Cues = std::vector<int>;

// Layer 0 full but for the four cells a bar dropped at x, z 2..5 fills.
void layerWaitingForBar(int x) {
    for (int i = 0; i < 24; ++i) settledWell.setCell(i % 4, 0, i / 4, SettledCube);
    for (int z = 2; z <= 5; ++z) settledWell.setCell(x, 0, z, 0);
    startKind(bar);
    fallingBlock.x = x, fallingBlock.y = 0;
    fallingBlock.build();
}

}  // namespace

TEST_F(GameTest, FallThenLandAndRecordTheNextKind) {
    startKind(lh);
    fallingBlock.y = 2;
    gameStep(), moveBlock(Move::PlusX), gameStep();
    scriptRandom({randomForKind(zblk)});
    gameStep();
    EXPECT_EQ(std::tuple(getStatus(), settledWell.cell(3, 0, 4), fallingBlock.kind, recordedTokens,
                         std::string(currentMessage()), playedCues, gameState.gameRunning),
              std::tuple(Landed, SettledCube, zblk, "dropincXdropCT 6", "weeeEee",
                         Cues{CueMove, CueLand}, 1));
}

TEST_F(GameTest, LayerIsClearedAfterTheNextKindIsDrawnAtTheOldLevel) {
    layerWaitingForBar(2);
    gameState.layerCount = 9;
    scriptRandom({22});  // b4 at level 0, base3 at level 1
    gameStep();
    EXPECT_EQ(
        std::tuple(fallingBlock.kind, gameState.level, gameState.score, settledWell.isLayerFull(0)),
        std::tuple(b4, 1, 10, false));
}

TEST_F(GameTest, OverlappingNewBlockEndsTheGameBeforeClearing) {
    layerWaitingForBar(0);
    fillSettled({{2, 19, 3}});  // under the next bar's start cells
    gameStep();
    // No layer cleared, no token written.
    EXPECT_EQ(std::tuple(getStatus(), gameState.gameRunning, settledWell.isLayerFull(0),
                         recordedTokens, playedCues),
              std::tuple(GameOver, 0, true, "", Cues{CueLand, CueGameOver}));
    std::string shown;
    for (int i = 0; i < 3; ++i, fakeNow += 25) shown += std::string(currentMessage()) + "|";
    EXPECT_EQ(shown,
              "Game Over. Press 'q' to quit or press 'p' to start over|Game Over. Press 'q' to "
              "quit or press 'p' to start over|I feel so sorry, I will make sure you don't lose "
              "again|");
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
        // The new block stays in sight.
        EXPECT_EQ(std::tuple(gameState.level, gameState.gameRunning, playedCues.back(),
                             std::string(currentMessage()), blockWell.cell(2, 19, 2)),
                  std::tuple(extraLayers ? 7 : 6, 0, CueWin,
                             "Congratulations! You have won the game!", 2));
    }
}

TEST_F(GameTest, DuringReplayNoLandingEndsTheGameOrStartsABlock) {
    gameState.replayMode = 1;
    gameState.gameRunning = 0;  // and no landing cue in an ended game
    layerWaitingForBar(0);
    fillSettled({{2, 19, 3}});
    gameStep();
    // Playback writes its tokens itself.
    EXPECT_EQ(std::tuple(getStatus(), playedCues, fallingBlock.y, recordedTokens),
              std::tuple(Landed, Cues{}, 0, ""));
}

TEST_F(GameTest, CheatFillsRecordsAndCounts) {
    gameState.gameRunning = 0;  // works after the game has ended too
    fillSettled({{1, 3, 1}});
    cheatCommand();
    EXPECT_EQ(
        std::tuple(settledWell.cell(1, 2, 1), gameState.cheatsLeft, std::string(currentMessage())),
        std::tuple(SettledCube, 4, "OMG! You are such a cheater.  All holes are now filled"));
    gameState.cheatsLeft = 0;
    cheatCommand();
    // The cue comes before the count is tested.
    EXPECT_EQ(std::tuple(settledWell.cell(1, 1, 1), gameState.cheatsLeft,
                         std::string(currentMessage()), recordedTokens, playedCues),
              std::tuple(0, 0, "Sorry, you cheated too much!", "ngap", Cues{CueCheat, CueCheat}));
}
