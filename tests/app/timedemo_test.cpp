// The timedemo in the real windows: a recorded game played through silently
// and unrecorded, with a still control panel, and its figures printed.
#include <regex>

#include "tests/app/window_fixture.h"

TEST_F(WindowTest, TimedemoPlaysAGameThroughSilentlyUnrecordedAndPrintsItsFrameRate) {
    run("rm -rf " + dir + "; mkdir " + dir);
    std::string game = "INI1";  // and 80 moves
    for (int i = 0; i < 40; ++i) game += "decXincX";
    std::ofstream(dir + "/game.txt") << game;
    const std::string timedemo = "cd " + dir +
                                 " && SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=audio.raw "
                                 "" ZANDOK_GAME_EXE " --timedemo ";
    const auto [status, out] = runCommand(timedemo + "game.txt 2>err.txt");
    std::smatch figures;
    ASSERT_TRUE(
        std::regex_match(out, figures, std::regex("frames (\\d+) seconds [.0-9]+ fps [.0-9]+\n")))
        << out;
    EXPECT_EQ(status, 0);
    EXPECT_GT(std::stoi(figures[1]), 81);  // a frame for every token at least
    // The still panel drew a few frames, not one a pass.
    EXPECT_TRUE(std::regex_search(readFile(dir + "/err.txt"), std::regex("panel frames [1-9]\n")));
    EXPECT_EQ(runCommand(timedemo + "missing.txt 2>err.txt"), std::pair(1, std::string()));
    EXPECT_EQ(readFile(dir + "/err.txt"), "File cannot be read\n");
    EXPECT_EQ(run("ls " + dir), "err.txt\ngame.txt\n");  // no recording, no sound
}
