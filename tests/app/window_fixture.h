// The game program in its real windows on the tests' virtual display
// (Xvfb), driven with xdotool and watched through screenshots (ImageMagick)
// and its recording.
#pragma once

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <functional>
#include <regex>

#include "tests/support/test_support.h"
#include "tests/support/virtual_display.h"

#ifndef ZANDOK_GAME_EXE
#error "ZANDOK_GAME_EXE must name the built game program"
#endif

using namespace testing_support;

inline std::string run(const std::string& command) { return runCommand(command).second; }

inline bool waitUntil(const std::function<bool()>& done, int tenths) {
    for (int i = 0; i < tenths && !done(); ++i) usleep(100000);
    return done();
}

// Pixels whose channels add up to at least minSum, or, given an earlier
// picture, whose channels differ from it by that much.
inline int count(const std::string& picture, int minSum, const std::string& before = "") {
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
// The first row of the best games: its Watch button in the panel, inside it.
constexpr int watchX = 30, watchY = 404;
inline const std::string watchButton = "40x10+10+399";
inline const std::string lowerWell = "300x170+150+350",
                         wholeWell = "600x500+0+60";  // w x h + x + y

class WindowTest : public ::testing::Test {
protected:
    pid_t pid = -1;
    int status = -1;  // the wait status once it has ended
    std::string dir = tempPath("game"), data = tempPath("data"), games = data + "/zandok/games",
                game, panel, scoring;

    void SetUp() override {
        if (!useVirtualDisplay()) GTEST_SKIP() << "Xvfb cannot be started";
        setenv("XDG_DATA_HOME", data.c_str(), 1);  // kept games go there
    }
    // Starts the game with these arguments in a fresh folder; both windows
    // are found by their exact titles, and the panel is drawn. Under load a
    // start has been seen, rarely, never to draw its panel or to end at once:
    // such a start is reported with its log and made once more.
    void launch(std::vector<std::string> args = {}) {
        args.insert(args.begin(), ZANDOK_GAME_EXE);
        for (int attempt = 0; attempt < 2; ++attempt) {
            run("rm -rf " + dir + "; mkdir " + dir), status = -1;
            pid = spawnProcess(args, dir, "game.log");
            // A game that has ended (one has been seen to fail to open the
            // display that a moment before took clients) is started again
            // at once rather than waited for.
            const bool shown =
                waitUntil(
                    [&] {
                        game = window("^3D Zandok.* \\(APRIL 2003, v\\.1\\)$");
                        panel = window("^CONTROL PANEL$");
                        return (!game.empty() && !panel.empty() && tick(gridRow) > 10) || exited(0);
                    },
                    400) &&
                status == -1;
            if (shown) return;
            const bool ended = exited(0);
            std::fprintf(stderr, "the game did not show (game %s, panel %s, %s %d); its log:\n%s\n",
                         game.c_str(), panel.c_str(), ended ? "ended, wait status" : "running",
                         status, readFile(dir + "/game.log").c_str());
            if (!ended) kill(pid, SIGKILL), waitpid(pid, nullptr, 0);
        }
        FAIL() << "the game's windows never showed";
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
    // The kept games, one after the other.
    std::string keptGames() const { return run("cat " + games + "/*.txt 2>/dev/null"); }
    // Loads a recording that scores 10 in its first 263 words, then turns
    // its block this many times, and takes the playback over (key a) once
    // it has scored: the game is the player's from then on.
    bool takeOverAScoringGame(std::size_t turns) {
        scoring = readFile(ZANDOK_SOURCE_DIR "/bench/long_game.txt").substr(0, 263 * 4);
        std::ofstream(dir + "/scoring.txt") << scoring << times("incM", turns, "");
        keys("9 s c o r i n g period t x t Return");
        return waitUntil([&] { return recording().size() > scoring.size(); }, 300) &&
               (keys("a"), true);
    }
    // The game kept, when it is the one taken over.
    bool keptTakenOver(const std::string& kept) const {
        return kept.starts_with(scoring) &&
               std::regex_match(kept.substr(scoring.size()), std::regex("(incM)*decX(incM)*"));
    }
    bool exited(int tenths) {
        return waitUntil([&] { return status != -1 || waitpid(pid, &status, WNOHANG) == pid; },
                         tenths);
    }
};
