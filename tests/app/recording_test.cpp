// The recording file: a header that starts it afresh, names that cannot be
// opened, and a recording that cannot be written at all.
#include <filesystem>

#include "tests/app/shell_fixture.h"

TEST_F(ShellTest, RecordingHeaderCutsThePreviousGameAndEveryTokenReachesTheDisk) {
    writeReplayHeader();
    for (int i = 0; i < 10; ++i) recordAction("drop");
    startKind(slab);
    writeReplayHeader();
    EXPECT_EQ(recorded(), "INI3");  // a short game leaves no tail of a long one
    recordKindToken("CT ", 5);
    EXPECT_EQ(recorded(), "INI3CT 5");
    closeRecording();
    recordAction("drop"), writeReplayHeader();  // no recording open: nothing written
    EXPECT_EQ(recorded(), "INI3CT 5");
}

TEST_F(ShellTest, RecordingNamesThatCannotBeOpenedFallBackToOutputTxt) {
    namespace fs = std::filesystem;
    const fs::path here = fs::current_path(), dir = tempPath("cwd");
    fs::remove_all(dir), fs::create_directory(dir), fs::current_path(dir);
    for (const std::string& name :
         {std::string(), std::string("no/such/folder"), std::string("."), std::string(5000, 'n')}) {
        openRecording(name);
        recordAction("incM");
        EXPECT_EQ(readFile("output.txt"), "incM") << name.size();
    }
    openRecording("mine.txt");
    recordAction("HINT");
    EXPECT_EQ(readFile("mine.txt"), "HINT");
    // With output.txt a folder, start-up and a name that fails say that
    // recording is off, also after the new game the prompt starts.
    fs::remove("output.txt"), fs::create_directory("output.txt");
    const std::string off = "Recording is off: output.txt cannot be written";
    startRecording();
    EXPECT_EQ(urgent(), off);
    messageLine = {};
    press("0no/such/folder\r");
    EXPECT_EQ(std::tuple(urgent(), replayLog.file), std::tuple(off, nullptr));
    fs::current_path(here);
}
