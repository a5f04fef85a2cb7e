// The game in real windows on a virtual display: both windows, keys reaching
// the game, the control panel acting on the picture and following the keys,
// the two ways to quit, and a replay loaded with key 9.
#include <gtest/gtest.h>

#include <fstream>

#include "tests/app/window/window_harness.h"
#include "tests/support/test_support.h"

using namespace window_harness;

namespace {

// The panel's layout with ImGui's default style: one control per 23-pixel
// row from the top, the check box square at x 8..27.
constexpr int panelRowTop = 8;
constexpr int panelRowStep = 23;
constexpr int panelRowHeight = 19;
enum PanelRow { RowGridlines = 3, RowOrthogonal = 4, RowQuit = 15 };

int rowCentre(int row) {
    return panelRowTop + panelRowStep * row + panelRowHeight / 2;
}

// Bright pixels of a row's check mark: many when ticked, none when clear.
int tickPixels(const Picture& panel, int row) {
    const int top = panelRowTop + panelRowStep * row;
    return brightPixels(panel, 9, top + 1, 27, top + panelRowHeight - 1, 300);
}

// The lower well, where only grid lines are drawn early in a game.
constexpr int lowX0 = 150, lowY0 = 350, lowX1 = 450, lowY1 = 520;

class WindowTest : public ::testing::Test {
protected:
    Game game;
    void SetUp() override {
        if (display() < 0) GTEST_SKIP() << "Xvfb cannot be started";
        ASSERT_TRUE(startGame(game)) << "the windows did not appear";
    }
    void TearDown() override { stopGame(game); }

    std::string recording() const { return testing_support::readFile(game.dir + "/output.txt"); }
    // Screen position of a point of the panel.
    void clickPanel(int x, int row) {
        const Geometry g = geometry(game.panelWindow);
        click(g.x + x, g.y + rowCentre(row));
    }
    // The pointer over the game window, so that no panel control is lit.
    void mouseAway() { moveMouse(300, 600); }
};

}  // namespace

TEST_F(WindowTest, BothWindowsAppearWithTheirTitlesSizesAndPlaces) {
    const std::string title = windowName(game.gameWindow);
    EXPECT_EQ(title.rfind("3D Zandok", 0), 0u) << title;
    const std::string version = " (APRIL 2003, v.1)";
    EXPECT_EQ(title.substr(title.size() - version.size()), version) << title;
    const Geometry g = geometry(game.gameWindow);
    EXPECT_EQ(g.x, 40);
    EXPECT_EQ(g.y, 40);
    EXPECT_EQ(g.width, 600);
    EXPECT_EQ(g.height, 600);

    EXPECT_EQ(windowName(game.panelWindow), "CONTROL PANEL");
    const Geometry p = geometry(game.panelWindow);
    EXPECT_EQ(p.x, 650);
    EXPECT_EQ(p.y, 0);
    EXPECT_GT(p.width, 0);
    EXPECT_GT(p.height, rowCentre(RowQuit));

    // The recording starts with the first block's header, and the first
    // idle pass makes a gravity step at once.
    EXPECT_TRUE(waitUntil([&] { return recording().size() >= 8; }, 10));
    const std::string text = recording();
    EXPECT_EQ(text.substr(0, 3), "INI");
    EXPECT_EQ(text.substr(4, 4), "drop");
}

TEST_F(WindowTest, KeysReachTheGameAndChangeThePicture) {
    mouseAway();
    const Picture before = capture(game.gameWindow);
    keys(game.gameWindow, "a x H");
    ASSERT_TRUE(waitUntil([&] { return recording().find("HINT") != std::string::npos; }, 10))
        << recording();
    const std::string text = recording();
    EXPECT_NE(text.find("decXincZHINT"), std::string::npos) << text;
    pause(0.5);
    // The hint puts the block on the floor of the empty well.
    const Picture after = capture(game.gameWindow);
    EXPECT_GT(changedPixels(before, after, lowX0, lowY0, lowX1, 590), 200);
}

TEST_F(WindowTest, PanelCheckBoxesChangeThePicture) {
    mouseAway();
    pause(0.3);
    const Picture start = capture(game.gameWindow);
    ASSERT_GT(brightPixels(start, lowX0, lowY0, lowX1, lowY1, 60), 500);

    clickPanel(40, RowGridlines);
    mouseAway();
    pause(0.5);
    const Picture noGrid = capture(game.gameWindow);
    EXPECT_EQ(brightPixels(noGrid, lowX0, lowY0, lowX1, lowY1, 60), 0);
    EXPECT_EQ(tickPixels(capture(game.panelWindow), RowGridlines), 0);

    clickPanel(40, RowGridlines);
    clickPanel(40, RowOrthogonal);
    mouseAway();
    pause(0.5);
    const Picture perspective = capture(game.gameWindow);
    EXPECT_GT(changedPixels(start, perspective, 0, 60, 600, 560), 2000);
    const Picture panel = capture(game.panelWindow);
    EXPECT_GT(tickPixels(panel, RowGridlines), 10);
    EXPECT_EQ(tickPixels(panel, RowOrthogonal), 0);
}

TEST_F(WindowTest, KeysOneAndTwoShowInThePanel) {
    mouseAway();
    pause(0.3);
    EXPECT_GT(tickPixels(capture(game.panelWindow), RowOrthogonal), 10);
    keys(game.gameWindow, "2");
    EXPECT_TRUE(
        waitUntil([&] { return tickPixels(capture(game.panelWindow), RowOrthogonal) == 0; }, 5));
    keys(game.gameWindow, "1");
    EXPECT_TRUE(
        waitUntil([&] { return tickPixels(capture(game.panelWindow), RowOrthogonal) > 10; }, 5));
}

TEST_F(WindowTest, QuitPromptYesEndsWithStatusZero) {
    keys(game.gameWindow, "q Y e s Return");
    pause(0.5);
    EXPECT_FALSE(waitForExit(game, 0.5)) << "Yes is not yes";
    keys(game.gameWindow, "q y e s Return");
    ASSERT_TRUE(waitForExit(game, 10));
    EXPECT_EQ(game.exitStatus, 0);
}

TEST_F(WindowTest, QuitButtonEndsWithStatusZero) {
    clickPanel(18, RowQuit);
    ASSERT_TRUE(waitForExit(game, 10));
    EXPECT_EQ(game.exitStatus, 0);
    // No settings file is left behind by the panel.
    EXPECT_FALSE(std::ifstream(game.dir + "/imgui.ini").good());
}

TEST_F(WindowTest, KeyNineLoadsAReplayThatPlaysToItsEnd) {
    // A b4 lands on the floor, then a base3 moves and falls.
    std::string replay = "INI1";
    for (int i = 0; i < 18; ++i) replay += "drop";
    replay += "CT 2decXincMdropdropdecZdrop";
    std::ofstream(game.dir + "/game.txt") << replay;

    keys(game.gameWindow, "9");
    type(game.gameWindow, "game.txt");
    keys(game.gameWindow, "Return");
    // The recording becomes a copy of what is played.
    ASSERT_TRUE(waitUntil([&] { return recording() == replay; }, 20)) << recording();
    pause(1.0);
    keys(game.gameWindow, "d space");  // the replayed game has ended
    pause(1.0);
    EXPECT_EQ(recording(), replay);
    mouseAway();
    const Picture end = capture(game.gameWindow);
    // The landed b4 on the floor and the finishing message on the bottom line.
    EXPECT_GT(brightPixels(end, lowX0, 450, lowX1, 590, 200), 100);
    EXPECT_GT(brightPixels(end, 0, 585, 600, 600, 600), 20);
}
