// The status line's text.
#include <climits>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "model/game_state.h"
#include "render/overlay.h"
#include "tests/support/test_support.h"

namespace {

const std::string scoreGap = "      Score: ";
const std::string cheatGap = "                    Number 6 Cheat: ";

TEST(HudText, StartOfGameShowsLevelScoreAndFiveCheats) {
    testing_support::resetGame();
    EXPECT_EQ(std::string(buildHudText()), "Level: 0" + scoreGap + "0" + cheatGap + "5");
    EXPECT_EQ(buildHudText(), hudText);
}

TEST(HudText, FollowsTheGameStateEveryTimeItIsBuilt) {
    testing_support::resetGame();
    GameState::level = 3, GameState::score = 120, GameState::cheatsLeft = 5;
    EXPECT_EQ(std::string(buildHudText()), "Level: 3" + scoreGap + "120" + cheatGap + "5");
    GameState::score = 7, GameState::cheatsLeft = 0;
    EXPECT_EQ(std::string(buildHudText()), "Level: 3" + scoreGap + "7" + cheatGap + "0");
}

TEST(HudText, NegativeAndExtremeNumbersAreWrittenPlainAndFit) {
    char text[HudTextSize];
    formatHudText(text, sizeof text, -1, -250, -3);
    EXPECT_EQ(std::string(text), "Level: -1" + scoreGap + "-250" + cheatGap + "-3");
    formatHudText(text, sizeof text, INT_MIN, INT_MAX, INT_MIN);
    EXPECT_EQ(std::string(text),
              "Level: -2147483648" + scoreGap + "2147483647" + cheatGap + "-2147483648");
}

TEST(HudText, ASmallBufferIsCutAndStaysTerminated) {
    char text[12];
    std::memset(text, 'x', sizeof text);
    formatHudText(text, 9, 12, 0, 0);
    EXPECT_EQ(std::string(text), "Level: 1");
    EXPECT_EQ(text[9], 'x');
    formatHudText(nullptr, 10, 1, 2, 3);  // nothing to write into: no effect
    formatHudText(text, 0, 1, 2, 3);
    EXPECT_EQ(std::string(text), "Level: 1");
}

}  // namespace
