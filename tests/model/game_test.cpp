// Gravity, landing, the two ends of a game, and the cheat, each case named.
#include <gtest/gtest.h>

#include "model/block.h"
#include "model/cheat.h"
#include "model/game_step.h"
#include "model/message_line.h"
#include "model/sound_cue.h"
#include "tests/support/test_support.h"

using namespace testing_support;
using Cues = std::vector<int>;

namespace {

// The urgent text, then every queued text, each followed by '|'.
std::string texts() {
    std::string s = messageLine.urgentShowing ? std::string(messageLine.urgentText) + "|" : "";
    for (const auto& entry : messageLine.queue) s += std::string(entry.text) + "|";
    return s;
}

}  // namespace

// A bar lands on the floor at x = 2, z 2..5, completing layer 0 (and the
// full layers above, if any); the next kind comes from the random value.
TEST(GameTest, ALandingClearsLayersAndEndsTheGameInALossOrAWin) {
    const std::string over = "Game Over. Press 'q' to quit or press 'p' to start over|",
                      won = "Congratulations! You have won the game!|",
                      again = "Press 'q' to quit or press 'p' to start over|";
    struct Row {
        const char* name;
        int level, layers, fullAbove, random;
        bool blocked, replay, running;
        StatusCode status;
        int kind, newLevel, score;
        bool stillRunning;
        const char* tokens;
        Cues cues;
        std::string texts;
    };
    // clang-format off
    const Row rows[] = {
        {"the next kind is drawn at the level before the landing (b4 at 4, base3 at 5)",
         4, 9, 0, 16, false, false, true,
         Landed, b4, 5, 10, true, "CT 1", {CueLand, CueLevelUp}, "weeeEee|"},
        {"a new block over the stack ends the game before any layer is cleared",
         0, 0, 0, 0, true, false, true, GameOver, bar, 0, 0, false, "", {CueLand, CueGameOver},
         over + over + "I feel so sorry, I will make sure you don't lose again|"},
        {"level 6 wins", 5, 9, 0, 0, false, false, true,
         Landed, bar, 6, 10, false, "CT 0", {CueLand, CueLevelUp, CueWin}, won + won + again},
        {"a landing past level 6 wins too", 5, 9, 10, 0, false, false, true,
         Landed, bar, 7, 5760, false, "CT 0", {CueLand, CueLevelUp, CueLevelUp, CueWin},
         won + won + again},
        {"playback starts no block, writes nothing and never ends the game",
         0, 0, 0, 45, true, true, true, Landed, bar, 0, 10, true, "", {CueLand}, "weeeEee|"},
        {"an ended game lands without the landing cue", 0, 0, 0, 0, false, false, false,
         Landed, bar, 0, 10, false, "CT 0", {}, "weeeEee|"},
    };
    // clang-format on
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        resetGame();
        gameState.level = r.level, gameState.layerCount = r.layers;
        gameState.replayMode = r.replay, gameState.gameRunning = r.running;
        for (int i = 0; i < 24 * (r.fullAbove + 1); ++i)
            settledWell.setCell(i % 4, i / 24, i / 4 % 6, SettledCube);
        for (int z = 2; z <= 5; ++z) settledWell.setCell(2, 0, z, 0);
        if (r.blocked) fillSettled({{2, 19, 3}});
        fallingBlock.x = 2, fallingBlock.y = 0, fallingBlock.build();
        scriptRandom({r.random}), gameState.boardChanged = 0;
        gameStep();
        EXPECT_EQ(std::tuple(getStatus(), fallingBlock.kind, gameState.level, gameState.score,
                             gameState.gameRunning != 0, recordedTokens, playedCues, texts()),
                  std::tuple(r.status, r.kind, r.newLevel, r.score, r.stillRunning, r.tokens,
                             r.cues, r.texts));
        // Layer 0 goes unless the game was lost; the kept placement is stale.
        EXPECT_EQ(std::tuple(settledWell.isLayerFull(0), gameState.boardChanged),
                  std::tuple(r.status == GameOver, 1));
    }
}

TEST(GameTest, TheCheatFillsOnePassWhileUsesAreLeft) {
    struct Row {
        const char* name;
        int cheats, sound, running;
        int cheatsAfter, cells;
        const char* tokens;
        const char* text;
        Cues cues;
    };
    const char *omg = "OMG! You are such a cheater.  All holes are now filled",
               *sorry = "Sorry, you cheated too much!";
    // clang-format off
    const Row rows[] = {
        {"a use fills under the top far corner", 1, 1, 1, 0, 2, "ngap", omg, {CueCheat}},
        {"none left: only the refusal", 0, 1, 1, 0, 1, "", sorry, {CueCheat}},
        {"silent with sound off", 5, 0, 1, 4, 2, "ngap", omg, {}},
        {"also after the game has ended", 2, 1, 0, 1, 2, "ngap", omg, {CueCheat}},
    };
    // clang-format on
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        resetGame();
        gameState.cheatsLeft = r.cheats, gameState.soundOn = r.sound;
        gameState.gameRunning = r.running;
        fillSettled({{3, 19, 5}});
        cheatCommand();
        int cells = 0;
        for (int i = 0; i < WellCells; ++i) cells += settledWell.cells[i] == SettledCube;
        EXPECT_EQ(std::tuple(gameState.cheatsLeft, cells, recordedTokens,
                             std::string(messageLine.urgentText), playedCues),
                  std::tuple(r.cheatsAfter, r.cells, r.tokens, r.text, r.cues));
    }
}
