// Helpers shared by the tests: a settable clock, a scripted random source, a
// cue recorder and a fresh game state for every test.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace testing_support {

extern int64_t fakeNow;
extern std::vector<int> playedCues;

// Installs the fake clock, the scripted random source and the cue recorder,
// and puts every game-wide value back to its start (empty wells, counters,
// flags, message line, no recording).
void resetGame();
// The next random values, used in order (then 0).
void scriptRandom(const std::vector<int>& values);
// A random value that makes the weighted pick at level 0 choose kind k.
int randomForKind(int kind);
// Starts the falling block as kind k (for tests that need a given kind).
void startKind(int kind);
// Fills cells of settledWell with settled cubes.
void fillSettled(std::initializer_list<std::array<int, 3>> cells);
// Reads a whole file.
std::string readFile(const std::string& path);
// A fresh path in the test's temporary folder.
std::string tempPath(const std::string& name);

// A fresh game for every test, recorded into a temporary file.
class RecordedGame : public ::testing::Test {
protected:
    std::string recording;
    void SetUp() override;
    void TearDown() override;
};

}  // namespace testing_support
