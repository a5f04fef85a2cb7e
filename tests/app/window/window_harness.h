// The game program on a virtual display: Xvfb started once by the test
// program, the game started in a fresh working directory, keys and clicks
// sent with xdotool, and pictures taken with ImageMagick.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace window_harness {

// The display number of the virtual display, started at the first call;
// -1 when Xvfb cannot be started.
int display();

// Runs a shell command on the virtual display; returns its standard output.
std::string run(const std::string& command);

struct Geometry {
    int x = -1, y = -1, width = -1, height = -1;
};

struct Picture {
    int width = 0, height = 0;
    std::vector<uint8_t> rgb;
    const uint8_t* at(int x, int y) const { return &rgb[3 * (y * width + x)]; }
};

struct Game {
    pid_t pid = -1;
    std::string dir;                      // its working directory
    std::string gameWindow, panelWindow;  // X window ids
    int exitStatus = -2;                  // -2 while running, -1 when it did not exit normally
};

// Starts the game in a fresh working directory named after the test, and
// waits until both windows are shown; false when they did not appear.
bool startGame(Game& game, const std::vector<std::string>& args = {});
// Waits up to seconds for the game to end; true when it has.
bool waitForExit(Game& game, double seconds);
// Ends the game if it still runs.
void stopGame(Game& game);

// The window named exactly title (a regular expression), or "".
std::string findWindow(const std::string& titlePattern);
Geometry geometry(const std::string& window);
std::string windowName(const std::string& window);
Picture capture(const std::string& window);

// Keys by xdotool name ("d", "Return", "question"), sent to the window.
void keys(const std::string& window, const std::string& names);
// Text typed into the window.
void type(const std::string& window, const std::string& text);
// A left click at a screen position.
void click(int x, int y);
void moveMouse(int x, int y);

// Polls until done() or the time is up.
bool waitUntil(const std::function<bool()>& done, double seconds);
void pause(double seconds);

// Pixels of the region that differ between two pictures by more than a
// small tolerance.
int changedPixels(const Picture& a, const Picture& b, int x0, int y0, int x1, int y1);
// Pixels of the region brighter than the given channel sum.
int brightPixels(const Picture& p, int x0, int y0, int x1, int y1, int minSum);

}  // namespace window_harness
