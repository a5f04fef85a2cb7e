// The recording: the exact token stream, the header that starts a game
// afresh, and names that cannot be opened.
#include <gtest/gtest.h>

#include <unistd.h>

#include "app/replay_log.h"
#include "model/block.h"
#include "model/game_step.h"
#include "model/motion.h"
#include "tests/support/test_support.h"

using namespace testing_support;

namespace {

class ReplayLogTest : public ::testing::Test {
protected:
    void SetUp() override { resetGame(); }
    void TearDown() override { closeRecording(); }
};

}  // namespace

TEST_F(ReplayLogTest, FallsMovesAndALandingMakeTheTokenStream) {
    const std::string path = tempPath("rec.txt");
    ASSERT_TRUE(openRecordingFile(path));
    startKind(lh);
    writeReplayHeader();
    fallingBlock.y = 3;  // two falls, a move, one fall, then the landing
    fallingBlock.build();
    gameStep();
    gameStep();
    moveBlock(Move::PlusX);
    gameStep();
    scriptRandom({randomForKind(zblk)});
    gameStep();
    EXPECT_EQ(readFile(path), "INI4dropdropincXdropCT 6");
}

TEST_F(ReplayLogTest, RefusedMoveIsRecordedToo) {
    const std::string path = tempPath("rec.txt");
    ASSERT_TRUE(openRecordingFile(path));
    fallingBlock.x = 3;
    fallingBlock.build();
    moveBlock(Move::PlusX);
    EXPECT_EQ(readFile(path), "incX");
}

TEST_F(ReplayLogTest, HeaderCutsThePreviousGame) {
    const std::string path = tempPath("rec.txt");
    ASSERT_TRUE(openRecordingFile(path));
    startKind(bar);
    writeReplayHeader();
    for (int i = 0; i < 10; ++i) recordAction("drop");
    startKind(slab);
    writeReplayHeader();
    recordAction("decZ");
    EXPECT_EQ(readFile(path), "INI3decZ") << "a short game leaves no tail of the long one";
}

TEST_F(ReplayLogTest, HeaderReachesTheDiskAtOnce) {
    const std::string path = tempPath("rec.txt");
    ASSERT_TRUE(openRecordingFile(path));
    startKind(rh);
    writeReplayHeader();
    EXPECT_EQ(readFile(path), "INI5");
}

TEST_F(ReplayLogTest, NamesThatCannotBeOpenedFallBackToOutputTxt) {
    char folder[] = "/tmp/zandok_logXXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    char previous[4096];
    ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
    ASSERT_EQ(chdir(folder), 0);
    const std::string odd[] = {"", "no/such/folder/x.txt", std::string(5000, 'n'), "."};
    for (const auto& name : odd) {
        openRecording(name);
        recordAction("incM");
        EXPECT_EQ(readFile("output.txt"), "incM") << name.size();
    }
    openRecording("mine.txt");
    recordAction("HINT");
    closeRecording();
    EXPECT_EQ(readFile("mine.txt"), "HINT");
    ASSERT_EQ(chdir(previous), 0);
}

TEST_F(ReplayLogTest, WithoutAFileEveryWriteIsDropped) {
    closeRecording();
    recordAction("drop");
    recordKindToken("CT ", 3);
    writeReplayHeader();
    EXPECT_EQ(replayLog.file, nullptr);
}
