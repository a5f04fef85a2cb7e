// Playback: loading, each kind of token, the end of the file, damaged kinds,
// the recording kept a faithful copy, and the headless replay player, down
// to a soak of random live games replayed by it.
#include <filesystem>
#include <random>
#include <regex>

#include "app/idle.h"
#include "app/replay_report.h"
#include "app/restart.h"
#include "model/seams.h"
#include "suggest/placement_search.h"
#include "tests/app/shell_fixture.h"

#ifndef ZANDOK_REPLAY_EXE
#error "ZANDOK_REPLAY_EXE must name the built zandok-replay"
#endif

namespace {

const std::string finished = "Replay is finished.  Press 'p' for a new game";

// Runs the replay player: its exit status and all it printed.
std::tuple<int, std::string> runTool(const std::string& args) {
    const std::string out = run(ZANDOK_REPLAY_EXE " " + args + " 2>&1; echo $?");
    const std::size_t last = out.rfind('\n', out.size() - 2) + 1;  // the status line
    return {std::stoi(out.substr(last)), out.substr(0, last)};
}

// A report without its steps, running and replay lines: what a replay of a
// game must reproduce.
std::string state(const std::string& report) {
    const std::size_t score = report.find("score:"), running = report.find("running:");
    return report.substr(score, running - score) + report.substr(report.find("block:"));
}

}  // namespace

TEST_F(ShellTest, PlaybackPerformsEachTokenAndCopiesItAsReadUntilTheEndOrADamagedKind) {
    // File, recording after it, steps, and the block's kind and height. The
    // soak covers the ordinary tokens.
    std::vector<std::tuple<std::string, std::string, int, int, int>> rows = {
        {"INI2junkincx\n\ndrop", "INI2drop", 7, base3, 18},  // skipped tokens are not written
        {"INI1\ndrop\nincX\njunk\ndecZdrop", "INI1dropincXdecZdrop", 11, b4, 17},
        {"INI1dropdr", "INI1drop", 3, b4, 18},            // a token cut by the end is dropped
        {"INI1dropIxx5CAB2", "Ixx5CAB2", 5, base3, 19}};  // known by their first character
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
            std::tuple(recording, kind, y, finished, 0u))
            << file;
    }
    // A header makes the kept placement stale.
    ASSERT_TRUE(loadReplay(temp("replay.txt", "INI4HINTINI1HINT")));
    beginReplay();
    replayStep(), gameState.boardChanged = 0;
    bestX = 0, bestY = 19, bestZ = 0, bestMode = 11;  // kept for the lh
    for (int i = 0; i < 3; ++i) replayStep();
    EXPECT_EQ(std::tuple(fallingBlock.kind, fallingBlock.mode, fallingBlock.y),
              std::tuple(b4, 0, 1));  // on the floor, as a fresh search places it
}

TEST_F(ShellTest, LoadingReadsTheWholeFileOfAtMost16MiB) {
    const std::string big = temp("big.txt", "");
    std::filesystem::resize_file(big, MaxReplayBytes);
    EXPECT_TRUE(loadReplay(big) && replaySource.text.size() == MaxReplayBytes);
    std::filesystem::resize_file(big, MaxReplayBytes + 1);
    for (const std::string& name :
         {big, tempPath("missing.txt"), temp("empty.txt", ""), std::string(), ::testing::TempDir()})
        EXPECT_FALSE(loadReplay(name)) << name;
    EXPECT_TRUE(replaySource.text.empty());
    // The file being recorded still replays the game it holds.
    scriptRandom({randomForKind(base3), randomForKind(slab)});
    press("pdsw  a6");
    const std::string live = state(replayReport(0)), text = recorded();
    press("9" + recPath + "\r");
    EXPECT_EQ(std::tuple(recorded(), gameState.replayMode, gameState.soundOn,
                         inputState.enteringLoadName),
              std::tuple("INI3", 1, 0, 0));  // a silent restart, which cut the file
    playToEnd();
    EXPECT_EQ(std::tuple(state(replayReport(0)), recorded()), std::tuple(live, text));
}

TEST_F(ShellTest, ReplayPlayerPrintsTheGameItPlayedOrFails) {
    // A b4 put on the floor lands, then a slab moves and falls two cells;
    // recorded over the file it plays. A slab has no hint: its blank text
    // is trimmed away.
    const std::string game = "INI1HINTCT 3decXdropdrop", path = temp("game.txt", game);
    const auto [status, out] = runTool(path + " --record " + path);
    const char* rows[] = {" .... .... .... .... .... ....\n", " .... .55. .55. .55. .55. ....\n",
                          " ##.. ##.. .... .... .... ....\n"};
    std::string want =
        "steps: 7\nscore: 0\nlevel: 0\nlayers: 0\ncheats: 5\nrunning: 0\nreplay: 0\n"
        "block: 3 0 1 16 1\nhint:\nwell:\n";
    for (int y = 19; y >= 0; --y)
        want += (y < 10 ? "0" : "") + std::to_string(y) + rows[y < 2 ? 2 : y == 15 || y == 16];
    EXPECT_EQ(std::tuple(status, out, readFile(path)), std::tuple(0, want, game));
    const std::string b4 = std::get<1>(runTool(temp("b4.txt", "INI1")));  // a b4 has a hint
    EXPECT_TRUE(std::regex_search(b4, std::regex("\nhint: \\S(.*\\S)?\nwell:\n"))) << b4;
    for (const std::string& file : {tempPath("none.txt"), temp("empty.txt", "")})
        EXPECT_EQ(runTool(file), std::tuple(1, "File cannot be read\n")) << file;
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
        std::string live = state(replayReport(0)), again = tempPath("again.txt");
        for (int a = 0; a < 6000 && gameState.gameRunning; ++a) {
            // A key, or an idle pass that finds gravity due.
            random() % 3 ? press(std::string(1, keySet[random() % keySet.size()]))
                         : (fakeNow = gameState.nextFallTime, onIdle());
            if (std::ftell(replayLog.file) != size)
                size = std::ftell(replayLog.file), live = state(replayReport(0));
        }
        const auto [status, out] = runTool(recPath + " --record " + again);
        // Each token takes a step, and the end one more unless the game was won.
        const long steps = size / 4 + (gameState.level < 6);
        EXPECT_EQ(std::tuple(status, readFile(again), state(out), out.substr(0, out.find('\n'))),
                  std::tuple(0, recorded(), live, "steps: " + std::to_string(steps)))
            << "game " << g;
    }
}
