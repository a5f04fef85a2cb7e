// The best games: the table proven by replaying, its cache, the bounds,
// every way a game is kept, and two processes keeping games at once.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <regex>

#include "app/best_games.h"
#include "app/game_words.h"
#include "app/idle.h"
#include "app/keep_game.h"
#include "app/regular_file.h"
#include "tests/app/shell_fixture.h"

namespace fs = std::filesystem;

namespace {

// The long recorded game (score 570, level 4, 240 blocks) and its first n
// words, which score 10 (263 words), 20 (430), 40 (608) and 80 (742).
const std::string longGame = readFile(ZANDOK_SOURCE_DIR "/bench/long_game.txt");
std::string words(std::size_t n) { return longGame.substr(0, 4 * n); }

class BestGamesTest : public ShellTest {
protected:
    std::string folder;
    void SetUp() override {
        ShellTest::SetUp();
        folder = tempPath("games");
        fs::remove_all(folder), fs::create_directories(folder);
        gameKeeping = {};
        gameKeeping.folder = folder;
    }
    void TearDown() override {
        gameKeeping = {};
        ShellTest::TearDown();
    }
    void put(const std::string& name, const std::string& text) const {
        std::ofstream(folder + "/" + name, std::ios::binary) << text;
    }
    std::vector<std::string> names() const {
        std::vector<std::string> out;
        for (const auto& e : fs::directory_iterator(folder))
            if (e.path().extension() == ".txt") out.push_back(e.path().filename());
        std::sort(out.begin(), out.end());
        return out;
    }
    // The table as (name, score, level, damaged), best first.
    using Row = std::tuple<std::string, int, int, bool>;
    std::vector<Row> table() {
        std::vector<Row> out;
        for (const BestGame& g : readBestGames(folder))
            out.emplace_back(g.name, g.row.score, g.row.level, g.row.damaged);
        reset();  // the replays took the model
        return out;
    }
};

const std::string stamp = "2026-01-01T00-00-0";

}  // namespace

TEST_F(BestGamesTest, TheTableRanksWhatEachFileReplaysToAndReplaysAChangedFile) {
    put(stamp + "1Z-1.txt", words(742));
    put(stamp + "9Z-1.txt", words(742));  // the same score later: ranked after
    put(stamp + "5Z-1.txt", words(608));
    put(stamp + "2Z-1.txt", words(430) + "CT 9" + longGame.substr(431 * 4));  // damaged
    put(stamp + "3Z-1.txt", words(4154) + "CT");  // cut: the last layer is lost
    put(stamp + "4Z-1.txt", longGame);
    put("mine.txt", words(263));  // copied in: dated by the file
    const std::vector<Row> want = {
        {stamp + "4Z-1.txt", 570, 4, false}, {stamp + "3Z-1.txt", 560, 4, false},
        {stamp + "1Z-1.txt", 80, 0, false},  {stamp + "9Z-1.txt", 80, 0, false},
        {stamp + "5Z-1.txt", 40, 0, false},  {stamp + "2Z-1.txt", 20, 0, true},
        {"mine.txt", 10, 0, false}};
    EXPECT_EQ(table(), want);
    EXPECT_EQ(cachedBestGames(folder).size(), want.size());
    // Same size, same time, other words: replayed again, not served stale.
    const std::string changed = folder + "/" + stamp + "5Z-1.txt";
    const auto time = fs::last_write_time(changed);
    put(stamp + "5Z-1.txt", words(263) + times("junk", 608 - 263, ""));
    fs::last_write_time(changed, time);
    EXPECT_EQ(std::get<1>(table()[5]), 10);
}

TEST_F(BestGamesTest, EveryWayOfEndingOrLeavingAGameKeepsItButNotAWatchedPlayback) {
    const auto was = [&] { return readFile(recPath + ".was"); };
    const auto over = [&] {
        for (int i = 0; i < 5000 && gameState.gameRunning; ++i) press(" ");
        return onIdle(), recorded();
    };
    const auto load = [&] { gameState.score = 0, press("9" + temp("s.txt", words(263)) + "\r"); };
    // What ends or leaves a game that scored 10 (the scoring itself is the
    // model's); the words kept, or none.
    const std::pair<const char*, std::function<std::string()>> rows[] = {
        {"game over", over},
        {"win", [&] { return gameState.level = 6, over(); }},
        {"p", [&] { return press("p"), was(); }},
        {"0", [&] { return press("0" + tempPath("next.txt") + "\r"), was(); }},
        {"9", [&] { return press("9" + temp("r.txt", "INI1") + "\r"), was(); }},
        {"Watch", [&] { return put("w.txt", "INI2"), watchKeptGame("w.txt"), was(); }},
        {"exit",
         [&] { return inChild([&] { startKeepingGames(folder), std::exit(0); }, 60), recorded(); }},
        {"output.txt cannot be written from the start",
         [&] {
             closeRecording(), refuseDefaultRecording("off"), startRecording();
             refuseDefaultRecording(nullptr);
             return press("dd"), press("p"), "INI" + std::to_string(fallingBlock.kind) + "incXincX";
         }},
        {"no score", [&] { return gameState.score = 0, press("p"), std::string(); }},
        {"recording never written",
         [&] {
             const std::string header = recorded().substr(0, 4);
             return closeRecording(), press("ddp"), header + "incXincXincXincX";
         }},
        {"a watched playback",
         [&] { return load(), playToEnd(), onIdle(), press("p"), std::string(); }},
        {"a playback taken over",
         [&] {
             load();
             while (gameState.score == 0) replayStep();
             press("d"), playToEnd();
             const std::string text = recorded();
             return onIdle(), text;
         }},
    };
    for (const auto& [way, leave] : rows) {
        reset(), fs::remove_all(folder), fs::create_directory(folder);
        writeReplayHeader(), press("dd"), gameState.score = 10;  // as start-up and play would
        fs::copy_file(recPath, recPath + ".was", fs::copy_options::overwrite_existing);
        const std::string want = leave();
        fs::remove(folder + "/w.txt");
        std::string kept;  // every game kept, one after the other
        for (const std::string& name : names()) kept += readFile(folder + "/" + name);
        EXPECT_EQ(kept, want) << way;
    }
}

// A games folder that cannot be used, from the start or later: the game
// plays on, and says once that games are not being kept.
TEST_F(BestGamesTest, AGamesFolderThatCannotBeUsedIsSaidOnce) {
    const std::string file = temp("file", "x"), closed = tempPath("closed");
    fs::create_directory(closed), fs::permissions(closed, fs::perms(0555));
    const std::pair<const char*, std::function<void()>> rows[] = {
        {"a file", [&] { startKeepingGames(file); }},
        {"not writable", [&] { asNobody([&] { return startKeepingGames(closed), true; }); }},
        {"a file once started",
         [&] { startKeepingGames(folder), fs::remove_all(folder), std::ofstream(folder) << "x"; }},
    };
    for (const auto& [what, start] : rows) {
        gameKeeping = {};
        testing::internal::CaptureStderr();
        start();
        for (int game = 0; game < 2; ++game)
            writeReplayHeader(), press("dd"), gameState.score = 10, keepGameBeingLeft();
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(std::regex_replace(said, std::regex(": .*: "), ": X: "),
                  "zandok: X: games are not being kept\n")
            << what;
        fs::remove_all(folder), fs::create_directory(folder);
    }
}

// Two processes keeping and tidying at once, each removing what dead
// writers left: nothing is lost, and the bounds hold over both.
TEST_F(BestGamesTest, TwoProcessesKeepingGamesAtOnceLoseNothing) {
    constexpr int each = 25;
    pid_t children[2];
    for (int c = 0; c < 2; ++c)
        if ((children[c] = fork()) == 0) {
            for (int i = 0; i < each; ++i) {
                // The first ten of the first process are the best games.
                const std::string text = c == 0 && i < 10 ? longGame : words(263 + i * 2 + c);
                writeKeptGame(folder, text, 1000 + 2 * i + c);
                pruneBestGames(folder);
            }
            _exit(0);
        }
    for (pid_t child : children) waitpid(child, nullptr, 0);
    std::vector<std::string> want;
    for (int i = 0; i < each; ++i)
        for (int c = 0; c < 2; ++c)
            if ((c == 0 && i < 10) || 2 * i + c >= 2 * each - 20)
                want.push_back(keptGameName(1000 + 2 * i + c, children[c], 1));
    std::sort(want.begin(), want.end());
    EXPECT_EQ(names(), want);
    for (const std::string& name : names())
        EXPECT_TRUE(name < keptGameName(1020, 0, 1) ? readFile(folder + "/" + name) == longGame
                                                    : readFile(folder + "/" + name).size() > 1000)
            << name;
}

// A tidying replays a big new game (about two seconds) before it takes the
// folder's lock: a game kept meanwhile never waits for it.
TEST_F(BestGamesTest, KeepingAGameNeverWaitsForATidyingToReplay) {
    put(stamp + "1Z-1.txt", "INI1" + times("incM", MaxReplayBytes / 4 - 1, ""));
    const pid_t child = fork();
    if (child == 0) pruneBestGames(folder), _exit(0);
    usleep(300000);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(writeKeptGame(folder, "INI2", 5).empty());
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    EXPECT_LT(took.count(), 0.5);
    waitpid(child, nullptr, 0);
}

TEST_F(BestGamesTest, AKillDuringTheWriteLeavesNoHalfWrittenGame) {
    const std::string big = times(longGame, 40, "");  // 690 kB
    const auto writeForEver = [&] {
        for (int64_t t = 0;; ++t) writeKeptGame(folder, big, t);
    };
    // Killed ever later: from at once to some milliseconds into the writes.
    for (int round = 0; round < 40; ++round) inChild(writeForEver, 1e-4 + 1.5e-4 * round);
    ASSERT_FALSE(names().empty());
    for (const std::string& name : names())
        EXPECT_EQ(fs::file_size(folder + "/" + name), big.size()) << name;
}
