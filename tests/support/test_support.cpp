#include "tests/support/test_support.h"

#include <cstdio>
#include <deque>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "app/replay_log.h"
#include "app/sound_cue.h"
#include "model/block.h"
#include "model/seams.h"
#include "render/message_line.h"

namespace testing_support {

int64_t fakeNow = 1000;
std::vector<int> playedCues;

namespace {
std::deque<int> scripted;
int64_t fakeClock() { return fakeNow; }
int scriptedRandom() {
    if (scripted.empty()) return 0;
    const int v = scripted.front();
    scripted.pop_front();
    return v;
}
void noSeed(unsigned) {}
void recordCue(int id) { playedCues.push_back(id); }
}  // namespace

void resetGame() {
    seams::wallClock = fakeClock;
    seams::randomValue = scriptedRandom;
    seams::seedRandom = noSeed;
    cuePlayer = recordCue;
    fakeNow = 1000;
    scripted.clear();
    playedCues.clear();
    closeRecording();
    resetMessageLine();
    GameState::resetAll();
    settledWell.clear();
    displayWell.clear();
    searchWell.clear();
    kindQueue.clear();
    startKind(bar);
}

void scriptRandom(const std::vector<int>& values) { scripted.assign(values.begin(), values.end()); }

int randomForKind(int kind) {
    static const int firstValue[KindCount] = {0, 20, 45, 50, 55, 60, 65};
    return firstValue[kind];
}

void startKind(int kind) { fallingBlock.start(static_cast<int16_t>(kind)); }

void fillSettled(std::initializer_list<std::array<int, 3>> cells) {
    for (const auto& c : cells) settledWell.setCell(c[0], c[1], c[2], SettledCube);
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string tempPath(const std::string& name) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string path = ::testing::TempDir() + "zandok_";
    if (info) path += std::string(info->test_suite_name()) + "_" + info->name() + "_";
    path += name;
    std::remove(path.c_str());
    return path;
}

void RecordedGame::SetUp() {
    resetGame();
    recording = tempPath("rec.txt");
    ASSERT_TRUE(openRecordingFile(recording));
}

void RecordedGame::TearDown() { closeRecording(); }

}  // namespace testing_support
