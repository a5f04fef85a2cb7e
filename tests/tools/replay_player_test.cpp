// The replay player as it is run: its report, its failures, and a soak of
// random live games that it must replay exactly.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include <random>

#include "app/file_lock.h"
#include "app/idle.h"
#include "model/seams.h"
#include "tests/app/shell_fixture.h"

#ifndef ZANDOK_REPLAY_EXE
#error "ZANDOK_REPLAY_EXE must name the built zandok-replay"
#endif

// The reports themselves are kept with the recordings in tests/golden.
TEST_F(ShellTest, ReplayPlayerRecordsOverTheFileItPlaysOrFails) {
    const std::string game = "INI1HINTCT 3decXdropdrop", path = temp("game.txt", game);
    EXPECT_EQ(std::tuple(runCommand(ZANDOK_REPLAY_EXE " " + path + " --record " + path).first,
                         readFile(path)),
              std::tuple(0, game));
    const std::string fifo = tempPath("fifo");
    mkfifo(fifo.c_str(), 0600);  // with no writer: never waited on
    const std::string big = temp("big.txt", ""), secret = temp("secret.txt", "INI1");
    std::filesystem::resize_file(big, MaxReplayBytes + 1);
    chmod(secret.c_str(), 0), chmod(fifo.c_str(), 0644);
    // The file, and the reason given; the status stays 1.
    const std::pair<std::string, std::string> unread[] = {
        {tempPath("none.txt"), "no such file"},
        {temp("empty.txt", ""), "it is empty"},
        {fifo, "not a regular file"},
        {"/dev/zero", "not a regular file"},
        {::testing::TempDir(), "it is a directory"},
        {big, "larger than 16 MiB"},
        {secret, "permission denied"}};
    // As a user who is not root, whom the permissions stop.
    const std::string user =
        geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : "";
    for (const auto& [file, reason] : unread)
        EXPECT_EQ(runCommand(user + ZANDOK_REPLAY_EXE " " + file + " 2>&1"),
                  std::pair(1, "zandok-replay: " + file + " cannot be read: " + reason + "\n"));
    // Nothing written where it cannot be, past a file-size limit (ulimit
    // sets it for the player, in 512-byte blocks), nor into the file another
    // game records into (this one holds its lock): status 4. The limit
    // keeps whole words.
    const std::string limited = "ulimit -f 1; exec ", cut = tempPath("cut.txt");
    const std::string longGame = temp("long.txt", "INI1" + times("decXincX", 200, ""));
    const int held = open(path.c_str(), O_RDONLY);
    ASSERT_TRUE(lockFile(held));
    const std::pair<std::string, std::string> unwritten[] = {
        {path + " --record /proc/x", "/proc/x cannot be recorded into: no such file"},
        {path + " >/dev/full", "the report cannot be written"},
        {longGame + " --record " + cut + " >/dev/null", "the recording cannot be written"},
        {longGame + " --record " + path,
         path + " cannot be recorded into: another game is recording there"}};
    for (const auto& [where, reason] : unwritten)
        EXPECT_EQ(runCommand("sh -c '" + limited + ZANDOK_REPLAY_EXE " " + where + "' 2>&1"),
                  std::pair(4, "zandok-replay: " + reason + "\n"));
    EXPECT_EQ(std::tuple(readFile(cut), readFile(path)),
              std::tuple("INI1" + times("decXincX", 63, "") + "decX", game));
    close(held);
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
        const auto [status, out] =
            runCommand(ZANDOK_REPLAY_EXE " " + recPath + " --record " + again);
        // Each token takes a step, and the end one more unless the game was won.
        const long steps = size / 4 + (gameState.level < 6);
        EXPECT_EQ(
            std::tuple(status, readFile(again), reportedState(out), out.substr(0, out.find('\n'))),
            std::tuple(0, recorded(), live, "steps: " + std::to_string(steps)))
            << "game " << g;
    }
}
