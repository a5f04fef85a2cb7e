// The recording file: a header that starts it afresh, and names that cannot
// be opened.
#include <gtest/gtest.h>

#include <unistd.h>

#include "app/recording.h"
#include "model/block.h"
#include "tests/support/test_support.h"

using namespace testing_support;

TEST(RecordingTest, HeaderCutsThePreviousGameAndReachesTheDisk) {
    resetGame();
    const std::string path = tempPath("rec.txt");
    ASSERT_TRUE(openRecordingFile(path));
    writeReplayHeader();
    for (int i = 0; i < 10; ++i) recordAction("drop");
    startKind(slab);
    writeReplayHeader();
    EXPECT_EQ(readFile(path), "INI3") << "a short game leaves no tail of a long one";
    recordKindToken("CT ", 5);
    EXPECT_EQ(readFile(path), "INI3CT 5");
    closeRecording();
    recordAction("drop");  // nothing to write to: dropped
    writeReplayHeader();
}

TEST(RecordingTest, NamesThatCannotBeOpenedFallBackToOutputTxt) {
    resetGame();
    char folder[] = "/tmp/zandok_logXXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    char previous[4096];
    ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
    ASSERT_EQ(chdir(folder), 0);
    const std::string names[] = {"", "no/such/folder", ".", std::string(5000, 'n')};
    for (const std::string& name : names) {
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
