// Helpers shared by the tests: a settable clock, scripted random values, a
// recorder of the cues played and of the tokens recorded, and the model put
// back to its start for every test.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace testing_support {

extern int64_t fakeNow;
extern std::vector<int> playedCues;
extern std::string recordedTokens;

// The fake clock at second 1000, no random values scripted, and the cue
// and token recorders, all empty, as the model's outlets.
void installFakes();
// installFakes, and the model back to its start with a bar falling.
void resetGame();
// The next random values, used in order (then 0).
void scriptRandom(const std::vector<int>& values);
// Starts the falling block as kind k.
void startKind(int kind);
// Fills cells of settledWell with settled cubes.
void fillSettled(std::initializer_list<std::array<int, 3>> cells);
// What the message line shows in each of the next seconds, each text
// followed by '|'; the clock moves on a second a frame.
std::string frames(int seconds);
// The posts the message line holds, identical ones counted one by one.
int queuedPosts();
// The text followed by `after`, n times.
std::string times(const std::string& text, int n, const std::string& after = "|");
std::string readFile(const std::string& path);
// A fresh path in the test's temporary folder.
std::string tempPath(const std::string& name);
// Runs a shell command; its exit status and what it wrote to standard output.
std::pair<int, std::string> runCommand(const std::string& command);

// Runs check in a child process as the user nobody (as the user running the
// tests when that is not root), so that permissions
// hold even when the tests run as root; true when it ended returning true.
bool asNobody(const std::function<bool()>& check);
// Runs body in a child process; its wait status, or -1 when it had not
// ended after `seconds` (it is then killed). elapsed: its run time.
int inChild(const std::function<void()>& body, double seconds, double* elapsed = nullptr);

// A fresh game for every test.
class FreshGame : public ::testing::Test {
protected:
    void SetUp() override { resetGame(); }
};

}  // namespace testing_support
