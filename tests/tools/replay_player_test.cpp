// The replay player as it is run: its report, its failures, and a soak of
// random live games that it must replay exactly.
#include <sys/stat.h>

#include <random>

#include "app/idle.h"
#include "model/seams.h"
#include "tests/app/shell_fixture.h"

#ifndef ZANDOK_REPLAY_EXE
#error "ZANDOK_REPLAY_EXE must name the built zandok-replay"
#endif

namespace {

// Runs the replay player: its exit status and all it printed.
std::pair<int, std::string> runTool(const std::string& args) {
    return runCommand(ZANDOK_REPLAY_EXE " " + args + " 2>&1");
}

}  // namespace

// The reports themselves are kept with the recordings in tests/golden.
TEST_F(ShellTest, ReplayPlayerRecordsOverTheFileItPlaysOrFails) {
    const std::string game = "INI1HINTCT 3decXdropdrop", path = temp("game.txt", game);
    EXPECT_EQ(std::tuple(runTool(path + " --record " + path).first, readFile(path)),
              std::tuple(0, game));
    const std::string fifo = tempPath("fifo");
    mkfifo(fifo.c_str(), 0600);  // with no writer: never waited on
    for (const std::string& file : {tempPath("none.txt"), temp("empty.txt", ""), fifo,
                                    ::testing::TempDir(), std::string("/dev/zero")})
        EXPECT_EQ(runTool(file), std::pair(1, std::string("File cannot be read\n"))) << file;
    // Nothing written where it cannot be: status 4.
    for (const std::string& where : {std::string(" --record /proc/x"), std::string(" >/dev/full")})
        EXPECT_EQ(runTool(path + where).first, 4) << where;
}

// Random live games through the keys and the idle clock, each replayed by
// the player: the re-recording equals the recording, and the replay ends
// where the live game stood after its last recorded token.
TEST_F(ShellTest, ReplaysOfRandomLiveGamesReproduceThemExactly) {
    static std::mt19937 random(20030401);
    seams.randomValue = [] { return static_cast<int>(random() & 0x7fff); };
    for (int g = 0; g < 60; ++g) {
        // Half the games mostly take the hint, so they clear layers.
        const std::string keySet = g % 2 ? "HHHHHHHH  daxws6" : "daxwsdaxws  HHh6";
        openRecordingFile(recPath);
        restartGame();
        long size = std::ftell(replayLog.file);
        std::string live = reportedState(), again = tempPath("again.txt");
        for (int a = 0; a < 6000 && gameState.gameRunning; ++a) {
            // A key, or an idle pass that finds gravity due.
            random() % 3 ? press(std::string(1, keySet[random() % keySet.size()]))
                         : (fakeNow = gameState.nextFallTime, onIdle());
            if (std::ftell(replayLog.file) != size)
                size = std::ftell(replayLog.file), live = reportedState();
        }
        const auto [status, out] = runTool(recPath + " --record " + again);
        // Each token takes a step, and the end one more unless the game was won.
        const long steps = size / 4 + (gameState.level < 6);
        EXPECT_EQ(
            std::tuple(status, readFile(again), reportedState(out), out.substr(0, out.find('\n'))),
            std::tuple(0, recorded(), live, "steps: " + std::to_string(steps)))
            << "game " << g;
    }
}
