// The game in real windows: both windows, keys reaching the game, the
// control panel acting on the picture and following keys 1 and 2, a replay
// loaded with key 9, and both ways to quit.
#include "tests/app/window_fixture.h"

TEST_F(WindowTest, TheGameIsPlayedInBothWindowsAndQuitsAtYesOrTheQuitButton) {
    launch();
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

// A window destroyed from outside ends the game at once, the recording
// whole: the race it used to lose came in about half the runs.
TEST_F(WindowTest, ALostWindowEndsTheGameAtOnceWithItsRecordingWhole) {
    for (int round = 0; round < 4; ++round) {
        launch();
        keys("a a");
        ASSERT_TRUE(
            waitUntil([&] { return recording().find("decXdecX") != std::string::npos; }, 100));
        run("xdotool windowclose " + (round % 2 ? panel : game));
        ASSERT_TRUE(exited(50)) << "round " << round;
        EXPECT_EQ(std::tuple(WEXITSTATUS(status), recording().size() % 4), std::tuple(1, 0u));
    }
}
