// Determinism soak: hundreds of games played through the key commands and
// the idle clock with random keys, each recorded, then replayed by the
// replay player. The re-recording must equal the recording, and the replay
// must end where the live game stood after its last recorded token.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <random>

#include "app/commands.h"
#include "app/idle.h"
#include "app/replay_log.h"
#include "app/replay_report.h"
#include "app/restart.h"
#include "app/sound_cue.h"
#include "model/block.h"
#include "model/seams.h"
#include "tests/app/replay_tool.h"
#include "tests/app/shell_support.h"
#include "tests/support/test_support.h"

using namespace testing_support;
using namespace shell_support;

namespace {

// Fewer under the sanitizers, which slow both halves about tenfold.
#if defined(__SANITIZE_ADDRESS__)
constexpr int soakGames = 30;
#else
constexpr int soakGames = 250;
#endif
constexpr int maxActionsPerGame = 6000;

std::mt19937 kindSource;
int soakRandom() {
    return static_cast<int>(kindSource() & 0x7fff);
}

// What a replay must reproduce: the board, the block and the counters.
struct GameSnapshot {
    std::array<int32_t, WellCells> settled;
    int16_t kind, mode;
    int32_t x, y, z, score, level, layers, cheats;
};

GameSnapshot take() {
    GameSnapshot s;
    std::copy_n(settledWell.cells.get(), WellCells, s.settled.begin());
    s.kind = fallingBlock.kind, s.mode = fallingBlock.mode;
    s.x = fallingBlock.x, s.y = fallingBlock.y, s.z = fallingBlock.z;
    s.score = GameState::score, s.level = GameState::level;
    s.layers = GameState::layerCount, s.cheats = GameState::cheatsLeft;
    return s;
}

void restore(const GameSnapshot& s) {
    std::copy_n(s.settled.begin(), WellCells, settledWell.cells.get());
    fallingBlock.kind = s.kind, fallingBlock.mode = s.mode;
    fallingBlock.x = s.x, fallingBlock.y = s.y, fallingBlock.z = s.z;
    fallingBlock.build();
    GameState::score = s.score, GameState::level = s.level;
    GameState::layerCount = s.layers, GameState::cheatsLeft = s.cheats;
}

// The report without its steps, running and replay lines.
std::string comparable(const std::string& report) {
    std::string out;
    std::size_t at = 0;
    while (at < report.size()) {
        const std::size_t end = report.find('\n', at);
        const std::string line = report.substr(at, end - at + 1);
        at = end == std::string::npos ? report.size() : end + 1;
        if (line.rfind("steps:", 0) == 0 || line.rfind("running:", 0) == 0 ||
            line.rfind("replay:", 0) == 0)
            continue;
        out += line;
    }
    return out;
}

struct LiveGame {
    std::string path;
    std::string expected;  // comparable report after the last recorded token
    bool won = false;
    int level = 0;
    long tokens = 0;
};

// Plays one game with random keys and gravity, recording it to path.
LiveGame playLive(int number, std::mt19937& keys) {
    // Half the games mostly take the hint, so they clear layers and rise in
    // level; the others wander.
    static const std::string wandering = "daxwsdaxws  HHh6";
    static const std::string hinted = "HHHHHHHH  daxws6";
    const std::string& keySet = number % 2 ? hinted : wandering;
    LiveGame game;
    game.path = tempPath("soak_" + std::to_string(number) + ".txt");
    EXPECT_TRUE(openRecordingFile(game.path));
    restartGame();
    long size = std::ftell(replayLog.file);
    GameSnapshot lastRecorded = take();
    for (int action = 0; action < maxActionsPerGame && GameState::gameRunning; ++action) {
        if (keys() % 3 == 0) {
            fakeNow = GameState::nextFallTime;  // the idle pass finds gravity due
            onIdle();
        } else {
            onKey(static_cast<unsigned char>(keySet[keys() % keySet.size()]), 0, 0);
        }
        const long now = std::ftell(replayLog.file);
        if (now != size) lastRecorded = take(), size = now;
    }
    closeRecording();
    game.won = GameState::level >= 6;
    game.level = GameState::level;
    game.tokens = size / 4;
    restore(lastRecorded);
    game.expected = comparable(replayReport(0));
    return game;
}

}  // namespace

TEST(ReplaySoakTest, ReplaysReproduceLiveGamesExactly) {
    resetShell();
    cuePlayer = nullptr;
    kindSource.seed(20030401);
    seams::randomValue = soakRandom;
    std::mt19937 keys(7);

    const auto start = std::chrono::steady_clock::now();
    std::vector<LiveGame> games;
    for (int g = 0; g < soakGames; ++g) games.push_back(playLive(g, keys));
    const auto played = std::chrono::steady_clock::now();

    std::vector<std::vector<std::string>> runs;
    std::vector<std::string> again;
    for (int g = 0; g < soakGames; ++g) {
        again.push_back(tempPath("soak_again_" + std::to_string(g) + ".txt"));
        runs.push_back({games[g].path, "--record", again[g]});
    }
    const std::vector<ToolRun> results = runReplayTools(runs);

    long tokens = 0;
    int wins = 0, topLevel = 0;
    for (int g = 0; g < soakGames; ++g) {
        const LiveGame& game = games[g];
        const ToolRun& run = results[g];
        tokens += game.tokens;
        wins += game.won;
        topLevel = std::max(topLevel, game.level);
        ASSERT_EQ(run.status, 0) << game.path << run.err;
        EXPECT_EQ(readFile(again[g]), readFile(game.path)) << game.path;
        EXPECT_EQ(comparable(run.out), game.expected) << game.path;
        // Every token takes a step; the end of the file takes one more
        // unless the replayed game was won.
        const std::string steps = "steps: " + std::to_string(game.tokens + (game.won ? 0 : 1));
        EXPECT_EQ(run.out.rfind(steps + "\n", 0), 0u) << game.path << "\n" << run.out;
        if (HasFailure()) break;
    }
    const auto replayed = std::chrono::steady_clock::now();
    using ms = std::chrono::milliseconds;
    std::printf("soak: %d games, %ld tokens, %d won, top level %d; live %lld ms, replays %lld ms\n",
                soakGames, tokens, wins, topLevel,
                static_cast<long long>(std::chrono::duration_cast<ms>(played - start).count()),
                static_cast<long long>(std::chrono::duration_cast<ms>(replayed - played).count()));
}
