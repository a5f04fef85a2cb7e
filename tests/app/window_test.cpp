// The game in real windows on a virtual display that the test starts (Xvfb):
// both windows, keys reaching the game, the control panel acting on the
// picture and following keys 1 and 2, a replay loaded with key 9, and both
// ways to quit. Driven with xdotool, watched through its recording and
// screenshots (ImageMagick).
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <functional>

#include "tests/support/test_support.h"
#include "tests/support/virtual_display.h"

#ifndef ZANDOK_GAME_EXE
#error "ZANDOK_GAME_EXE must name the built game program"
#endif

namespace {

using namespace testing_support;

std::string run(const std::string& command) { return runCommand(command).second; }

bool waitUntil(const std::function<bool()>& done, int tenths) {
    for (int i = 0; i < tenths && !done(); ++i) usleep(100000);
    return done();
}

// Pixels whose channels add up to at least minSum, or, given an earlier
// picture, whose channels differ from it by that much.
int count(const std::string& picture, int minSum, const std::string& before = "") {
    int n = 0;
    for (std::size_t i = 0; i + 2 < picture.size(); i += 3) {
        int sum = 0;
        for (std::size_t c = i; c < i + 3; ++c)
            sum += std::abs(uint8_t(picture[c]) - (before.empty() ? 0 : uint8_t(before.at(c))));
        n += sum >= minSum;
    }
    return n;
}

// The panel has one control per 23-pixel row, its check box at x 9..27.
constexpr int gridRow = 3, orthogonalRow = 4, quitRow = 15;
const std::string lowerWell = "300x170+150+350", wholeWell = "600x500+0+60";  // w x h + x + y

class WindowTest : public ::testing::Test {
protected:
    pid_t pid = -1;
    int status = -1;  // the wait status once it has ended
    std::string dir = tempPath("game"), game, panel;

    void SetUp() override {
        if (!useVirtualDisplay()) GTEST_SKIP() << "Xvfb cannot be started";
        launch();
    }
    // Starts the game in a fresh folder; both windows are found by their
    // exact titles, and the panel is drawn.
    void launch() {
        run("rm -rf " + dir + "; mkdir " + dir), status = -1;
        pid = spawnProcess({ZANDOK_GAME_EXE}, dir, "game.log");
        ASSERT_TRUE(waitUntil(
            [&] {
                game = window("^3D Zandok.* \\(APRIL 2003, v\\.1\\)$");
                panel = window("^CONTROL PANEL$");
                return !game.empty() && !panel.empty() && tick(gridRow) > 10;
            },
            300));
    }
    void TearDown() override {
        if (pid > 0 && !exited(0)) kill(pid, SIGKILL), waitpid(pid, nullptr, 0);
    }
    static std::string window(const std::string& title) {
        return run("xdotool search --name '" + title + "' | head -n 1 | tr -d '\\n'");
    }
    static std::string capture(const std::string& window, const std::string& crop) {
        return run("import -window " + window + " -crop " + crop + " -depth 8 rgb:-");
    }
    int tick(int row) {
        return count(capture(panel, "18x17+9+" + std::to_string(9 + 23 * row)), 300);
    }
    void keys(const std::string& names) { run("xdotool key --window " + game + " " + names); }
    void click(int x, int row) {  // then away from the panel
        run("xdotool mousemove " + std::to_string(650 + x) + " " + std::to_string(17 + 23 * row) +
            " click 1 mousemove 300 600");
        usleep(500000);
    }
    std::string recording() const { return readFile(dir + "/output.txt"); }
    bool exited(int tenths) {
        return waitUntil([&] { return status != -1 || waitpid(pid, &status, WNOHANG) == pid; },
                         tenths);
    }
};

}  // namespace

TEST_F(WindowTest, TheGameIsPlayedInBothWindowsAndQuitsAtYesOrTheQuitButton) {
    const std::string geometry = run("xdotool getwindowgeometry --shell " + game);
    EXPECT_EQ(geometry.substr(geometry.find("X=")),
              "X=40\nY=40\nWIDTH=600\nHEIGHT=600\nSCREEN=0\n");
    EXPECT_NE(run("xdotool getwindowgeometry --shell " + panel).find("X=650\nY=0\n"),
              std::string::npos);

    EXPECT_GT(count(capture(game, lowerWell), 60), 500);  // grid lines alone
    click(40, gridRow);
    EXPECT_TRUE(waitUntil(
        [&] { return count(capture(game, lowerWell), 60) == 0 && tick(gridRow) == 0; }, 50));
    keys("2");
    EXPECT_TRUE(waitUntil([&] { return tick(orthogonalRow) == 0; }, 50));
    keys("1");
    EXPECT_TRUE(waitUntil([&] { return tick(orthogonalRow) > 10; }, 50));

    const std::string before = capture(game, wholeWell);
    keys("a x H");  // after the header and the first idle pass's gravity step
    EXPECT_TRUE(
        waitUntil([&] { return recording().find("decXincZHINT") != std::string::npos; }, 100));
    EXPECT_EQ(recording().substr(4, 4), "drop") << recording();
    EXPECT_TRUE(waitUntil([&] { return count(capture(game, wholeWell), 25, before) > 200; }, 50));

    const std::string replay = "INI1HINTCT 2decXincMdropdropdecZdrop";
    std::ofstream(dir + "/game.txt") << replay;
    keys("9 g a m e period t x t Return");
    EXPECT_TRUE(waitUntil([&] { return recording() == replay; }, 200)) << recording();
    usleep(1000000);
    keys("d space q y e s Return");  // the replayed game has ended
    ASSERT_TRUE(exited(100));
    EXPECT_EQ(std::tuple(status, recording()), std::tuple(0, replay));
    launch();
    click(18, quitRow);
    ASSERT_TRUE(exited(100));
    EXPECT_EQ(status, 0);
}
