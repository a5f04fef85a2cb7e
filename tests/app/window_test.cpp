// The game in real windows: both windows and their class, keys reaching the
// game, the control panel acting on the picture and following keys 1 and 2,
// a replay loaded with key 9, and every way to quit.
#include <sys/stat.h>

#include <chrono>
#include <regex>

#include "tests/app/window_fixture.h"

// Two games started in one folder: the second finds output.txt locked, so
// it records nothing there, not even after key 0 names it, and the first
// game's recording stays its own.
TEST_F(WindowTest, TwoGamesInOneFolderNeverShareTheRecording) {
    launch();
    const pid_t second = spawnProcess({ZANDOK_GAME_EXE}, dir, "second.log");
    std::string other;
    ASSERT_TRUE(waitUntil(
        [&] {
            other = run("xdotool search --name '^3D Zandok' | grep -vx " + game +
                        " | head -n 1 | tr -d '\\n'");
            return !other.empty();
        },
        300));
    usleep(1500000);
    keys("a a");
    run("xdotool key --window " + other + " d d 0 o u t p u t period t x t Return d d");
    ASSERT_TRUE(waitUntil([&] { return recording().find("decXdecX") != std::string::npos; }, 100));
    usleep(2500000);  // gravity of both games goes on
    run("xdotool key --window " + other + " q y e s Return");
    EXPECT_EQ(waitpid(second, &status, 0) == second ? status : -1, 0);
    keys("q y e s Return");
    ASSERT_TRUE(exited(100));
    EXPECT_TRUE(std::regex_match(recording(), std::regex("INI[0-6](drop|decX|CT [0-6])*")))
        << recording();
}

// Last: its macros (None, Status ...) would clash with the names above.
#include <X11/Xlib.h>

TEST_F(WindowTest, TheGameIsPlayedInBothWindowsAndQuitsAtTheQuitButton) {
    launch();
    const std::string geometry = run("xdotool getwindowgeometry --shell " + game);
    EXPECT_EQ(geometry.substr(geometry.find("X=")),
              "X=40\nY=40\nWIDTH=600\nHEIGHT=600\nSCREEN=0\n");
    EXPECT_NE(run("xdotool getwindowgeometry --shell " + panel).find("X=650\nY=0\n"),
              std::string::npos);
    for (const auto& [window, instance] : {std::pair(game, "zandok"), {panel, "zandok-panel"}})
        EXPECT_EQ(run("xprop -id " + window + " WM_CLASS"),
                  "WM_CLASS(STRING) = \"" + std::string(instance) + "\", \"zandok\"\n");

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

    click(18, quitRow);
    ASSERT_TRUE(exited(100));
    EXPECT_EQ(status, 0);
}

// SIGTERM, SIGHUP or SIGINT while output.txt is played back end the game
// as quitting does: the copy beside it goes, and the recording stays whole.
TEST_F(WindowTest, EndSignalsDuringAPlaybackOfTheRecordingLeaveItWholeWithoutACopy) {
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        launch();
        ASSERT_TRUE(waitUntil([&] { return recording().size() >= 4; }, 100));
        // Long enough to be still playing when the signal comes.
        std::ofstream(dir + "/output.txt", std::ios::app) << times("decXincX", 100000, "");
        keys("9 o u t p u t period t x t Return");
        ASSERT_TRUE(waitUntil(
            [&] { return run("ls " + dir).find("output.txt.") != std::string::npos; }, 100));
        const std::string whole = recording();
        kill(pid, signal);
        ASSERT_TRUE(exited(50)) << signal;
        EXPECT_EQ(std::tuple(status, recording() == whole, whole.size() > 800000, run("ls " + dir)),
                  std::tuple(0, true, true, "game.log\noutput.txt\n"))
            << signal;
    }
}

// A game taken over from a playback that plays to its end is kept, and the
// panel's Watch button plays it back.
TEST_F(WindowTest, AGamePlayedToItsEndIsKeptAndWatchedFromThePanel) {
    launch();
    ASSERT_TRUE(takeOverAScoringGame(500));
    ASSERT_TRUE(waitUntil([&] { return !keptGames().empty(); }, 600));
    const std::string kept = keptGames();
    EXPECT_TRUE(keptTakenOver(kept)) << kept;
    keys("p");  // a new game, whose header alone is recorded
    ASSERT_TRUE(waitUntil([&] { return recording().size() == 4; }, 100));
    ASSERT_TRUE(waitUntil([&] { return count(capture(panel, watchButton), 200) > 350; }, 300));
    run("xdotool mousemove " + std::to_string(650 + watchX) + " " + std::to_string(watchY) +
        " click 1 mousemove 300 600");
    EXPECT_TRUE(waitUntil([&] { return recording() == kept; }, 600)) << recording();
}

namespace {

// What a window manager's close button sends.
void closeAsTheWindowManagerDoes(const std::string& window) {
    Display* display = XOpenDisplay(nullptr);
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = std::stoul(window);
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    XSendEvent(display, event.xclient.window, False, NoEventMask, &event);
    XCloseDisplay(display);
}

}  // namespace

// However the game is left, it ends at once, and a game that scored is
// kept, from its header to its last word. The sound device never finishes
// opening (SDL's disk driver writing into a FIFO that nobody reads): the
// exit waits on no device. A lost window is a race the game used to lose in
// about half the runs.
TEST_F(WindowTest, EveryWayOfQuittingEndsAtOnceAndKeepsAGameThatScored) {
    struct Row {
        const char* way;
        std::function<void()> quit;
        int status;
    };
    const Row rows[] = {
        {"SIGTERM", [&] { kill(pid, SIGTERM); }, 0},  // SIGHUP and SIGINT: one handler
        {"q yes", [&] { keys("q y e s Return"); }, 0},
        {"the window manager's close", [&] { closeAsTheWindowManagerDoes(game); }, 0},
        {"a lost game window", [&] { run("xdotool windowclose " + game); }, 1},
        {"a lost panel", [&] { run("xdotool windowclose " + panel); }, 1},
        {"a lost display", [&] { run("xdotool windowkill " + game); }, 1},
    };
    const std::string fifo = tempPath("audio.fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (const Row& row : rows) {
        run("rm -rf " + games);
        setenv("SDL_AUDIODRIVER", "disk", 1), setenv("SDL_DISKAUDIOFILE", fifo.c_str(), 1);
        launch();
        setenv("SDL_AUDIODRIVER", "dummy", 1), unsetenv("SDL_DISKAUDIOFILE");
        ASSERT_FALSE(HasFatalFailure()) << row.way;  // no window to close
        ASSERT_TRUE(takeOverAScoringGame(100000)) << row.way;
        ASSERT_TRUE(waitUntil(
            [&] { return recording().find("decX", scoring.size()) != std::string::npos; }, 100));
        const auto start = std::chrono::steady_clock::now();
        row.quit();
        ASSERT_TRUE(exited(100)) << row.way;
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        std::printf("%s: ended in %.2f s\n", row.way, took.count());
        EXPECT_LT(took.count(), 1.5) << row.way;  // xdotool's own time included
        EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, row.status) << row.way;
        const std::string kept = keptGames();  // one game, the one taken over
        EXPECT_TRUE(keptTakenOver(kept)) << row.way << kept;
        EXPECT_EQ(kept, recording()) << row.way;
    }
}
