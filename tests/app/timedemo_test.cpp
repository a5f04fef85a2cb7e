// The timedemo in the real windows: a recorded game played through silently
// and unrecorded, with a still control panel, and its figures printed.
#include <regex>

#include "tests/app/window_fixture.h"

TEST_F(WindowTest, TimedemoPlaysAGameThroughSilentlyUnrecordedAndPrintsItsFrameRate) {
    run("rm -rf " + dir + "; mkdir " + dir);
    std::ofstream(dir + "/game.txt") << "INI1" + times("decXincX", 40, "");  // and 80 moves
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
    // Failures as zandok-replay has them: 1 the file cannot be read, 3 a
    // damaged word stopped it, 4 the figures cannot be written.
    std::ofstream(dir + "/bad.txt") << "INI1dropCT 9drop";
    const std::tuple<std::string, int, std::string> failures[] = {
        {"missing.txt", 1, "zandok: missing.txt cannot be read: no such file\n"},
        {"bad.txt", 3, "zandok: playback stopped at byte 8, at the damaged token \"CT 9\"\n"},
        {"game.txt >/dev/full", 4, "zandok: the figures cannot be written\n"}};
    for (const auto& [args, want, said] : failures) {
        EXPECT_EQ(runCommand(timedemo + args + " 2>err.txt").first, want) << args;
        const std::string err = readFile(dir + "/err.txt");
        EXPECT_EQ(err.substr(err.size() - std::min(err.size(), said.size())), said) << args;
    }
    EXPECT_EQ(run("ls " + dir), "bad.txt\nerr.txt\ngame.txt\n");  // no recording, no sound
}
