// Playback: loading, each kind of token, the end of the file, damaged kinds,
// and the recording kept a faithful copy.
#include <filesystem>

#include "tests/app/shell_fixture.h"

TEST_F(ShellTest, PlaybackPerformsEachTokenAndCopiesItAsReadUntilTheEndOrADamagedKind) {
    const std::string drops = times("drop", 19, "");
    // File, recording after it, steps, and the block's kind and height. The
    // soak covers the ordinary tokens.
    std::vector<std::tuple<std::string, std::string, int, int, int>> rows = {
        {"INI2junkincx\n\ndrop", "INI2drop", 7, base3, 18},  // skipped tokens are not written
        {"INI1\ndrop\nincX\njunk\ndecZdrop", "INI1dropincXdecZdrop", 11, b4, 17},
        {"INI1dropdr", "INI1drop", 3, b4, 18},  // a token cut by the end is dropped
        {"INI1dropIxx5CAB2", "INI1dropIxx5CAB2", 5, base3, 19},  // known by their first letter
        // A header after the first token is a token like the others.
        {"ngapINI0", "INI0ngapINI0", 3, bar, 19},
        {"INI1" + drops + "INI1", "INI1" + drops + "INI1", 22, b4, 19}};
    for (const char* bad : {"INI9", "INI/", "CT 7", "CT x", "IN\n", "C\nxx", "INI", "Ixy-"})
        rows.push_back({std::string("INI1drop") + bad + "drop", "INI1drop", 3, b4, 18});
    for (const auto& [file, recording, steps, kind, y] : rows) {
        reset();
        ASSERT_TRUE(loadReplay(temp("replay.txt", file)));
        beginReplay();  // as the replay prompt's Enter does
        EXPECT_EQ(playToEnd(), steps) << file;
        EXPECT_EQ(
            std::tuple(recorded(), fallingBlock.kind, fallingBlock.y, urgent(),
                       gameState.replayMode + gameState.gameRunning + replaySource.position),
            std::tuple(recording, kind, y, "Replay is finished.  Press 'p' for a new game", 0u))
            << file;
    }
}

TEST_F(ShellTest, LoadingReadsAWholeFileOf16MiBAndPlayingTheRecordingKeepsItWhole) {
    const std::string big = temp("big.txt", "");
    std::filesystem::resize_file(big, MaxReplayBytes);
    EXPECT_TRUE(loadReplay(big) && replaySource.text.size() == MaxReplayBytes);
    // The file being recorded replays the game it holds, and keeps it whole
    // until the playback ends or the player records a move of his own.
    scriptRandom({45, 50, 55});  // a base3, a slab and an lh at level 0
    press("pdsw  a6");
    const std::string live = reportedState(), text = recorded();
    // Leaving early by a new game, another replay or the quit prompt.
    for (const auto& [leave, close, sound] :
         {std::tuple("p", "", 1), {"9", "\x1b", 1}, {"q", "\r", 0}}) {
        press("9" + recPath + "\r"), replayStep(), replayStep();
        press(leave), closeRecording(), press(close);  // as the exit would
        EXPECT_EQ(std::tuple(recorded(), gameState.soundOn), std::tuple(text, sound)) << leave;
        reset(), std::ofstream(recPath, std::ios::binary) << text;
    }
    std::ofstream(recPath, std::ios::app) << "junk";  // skipped, so not copied
    press("9" + recPath + "\r");
    playToEnd();
    EXPECT_EQ(std::tuple(reportedState(), recorded()), std::tuple(live, text));
    press("9" + recPath + "\r"), replayStep(), press("d");
    EXPECT_EQ(recorded(), "INI2incX");
}
