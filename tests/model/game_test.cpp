// Gravity, landing, and the two ends of a game.
#include <gtest/gtest.h>

#include <array>

#include "model/block.h"
#include "model/game_step.h"
#include "model/message_line.h"
#include "model/sound_cue.h"
#include "tests/support/test_support.h"

using namespace testing_support;
using Cues = std::vector<int>;

// A bar lands on the floor at x, z 2..5, where layer 0 waits for it (with
// some full layers above), after the next kind is drawn from a random value.
TEST(GameTest, LandingClearsLayersAndEndsTheGameInALossOrAWin) {
    const std::string over = times("Game Over. Press 'q' to quit or press 'p' to start over", 50) +
                             "I feel so sorry, I will make sure you don't lose again|",
                      won = times("Congratulations! You have won the game!", 20) +
                            times("Press 'q' to quit or press 'p' to start over", 31),
                      weee = times("weeeEee", 2) + times("", 49);
    const Cues twoLevels = {CueLand, CueLevelUp, CueLevelUp, CueWin};
    // x, level, layers, full layers above layer 0, the random value, a cube
    // under the next bar's start, playing back; then status, kind, level,
    // score, running, layer 0 still full, tokens, cues, the top cell of the
    // next bar, and what the line shows in the next 51 seconds.
    using Want =
        std::tuple<StatusCode, int, int, int, int, bool, std::string, Cues, int, std::string>;
    const std::pair<std::array<int, 7>, Want> rows[] = {
        // The next kind is drawn at the old level (b4 at level 4, base3 at 5);
        // level 5 does not win.
        {{2, 4, 9, 0, 16, 0, 0},
         {Landed, b4, 5, 10, 1, false, "CT 1", {CueLand, CueLevelUp}, 3, weee}},
        // The new block overlaps: the game ends before any layer is cleared.
        {{0, 0, 0, 0, 0, 1, 0},
         {GameOver, bar, 0, 0, 0, true, "", {CueLand, CueGameOver}, 2, over}},
        // Level 6 or more wins (cheat-filled layers go along); the new block
        // stays in sight.
        {{2, 5, 9, 0, 0, 0, 0},
         {Landed, bar, 6, 10, 0, false, "CT 0", {CueLand, CueLevelUp, CueWin}, 2, won}},
        {{2, 5, 9, 10, 0, 0, 0}, {Landed, bar, 7, 5760, 0, false, "CT 0", twoLevels, 2, won}},
        // During playback no landing ends the game, starts a block or writes a
        // token, and an ended game plays no landing cue.
        {{0, 0, 0, 0, 0, 1, 1}, {Landed, bar, 0, 10, 0, false, "", {}, 0, weee}},
    };
    for (const auto& [in, want] : rows) {
        const auto [x, level, layers, extraLayers, random, blocked, replay] = in;
        resetGame();
        gameState.level = level, gameState.layerCount = layers;
        gameState.replayMode = replay, gameState.gameRunning = !replay;
        for (int i = 0; i < 24 * (extraLayers + 1); ++i)
            settledWell.setCell(i % 4, i / 24, i / 4 % 6, SettledCube);
        for (int z = 2; z <= 5; ++z) settledWell.setCell(x, 0, z, 0);
        if (blocked) fillSettled({{2, 19, 3}});
        startKind(bar);
        fallingBlock.x = x, fallingBlock.y = 0;
        fallingBlock.build();
        scriptRandom({random}), gameState.boardChanged = 0;
        gameStep();
        const std::string shown = frames(51);
        EXPECT_EQ(std::tuple(getStatus(), fallingBlock.kind, gameState.level, gameState.score,
                             gameState.gameRunning, settledWell.isLayerFull(0), recordedTokens,
                             playedCues, blockWell.cell(2, 19, 2), shown),
                  want)
            << x << " " << level << " " << extraLayers << " " << replay;
        EXPECT_EQ(gameState.boardChanged, 1) << "a landing makes the kept placement stale";
    }
}
