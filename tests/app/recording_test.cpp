// The recording file: names that cannot be opened, and a recording that
// cannot be written at all.
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>

#include "tests/app/shell_fixture.h"

TEST_F(ShellTest, RecordingNamesThatCannotBeOpenedFallBackToOutputTxt) {
    namespace fs = std::filesystem;
    const fs::path here = fs::current_path(), dir = tempPath("cwd");
    fs::remove_all(dir), fs::create_directory(dir), fs::current_path(dir), mkfifo("fifo", 0600);
    // A FIFO with no reader and a device are never waited on or written.
    for (const std::string& name :
         {std::string(), std::string("no/such/folder"), std::string("."), std::string(5000, 'n'),
          std::string("fifo"), std::string("/dev/zero")}) {
        openRecording(name);
        recordAction("incM");
        EXPECT_EQ(readFile("output.txt"), "incM") << name.size();
    }
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

// A file that may not grow past 1 KiB, as on a full disk: the recording
// stops at the first write that fails, keeps whole tokens only, says so, and
// stays stopped when there is room again, until a new recording is opened.
TEST_F(ShellTest, RecordingStopsAtTheFirstWriteThatFails) {
    rlimit saved{}, full{1024, RLIM_INFINITY};
    getrlimit(RLIMIT_FSIZE, &saved), std::signal(SIGXFSZ, SIG_IGN), setrlimit(RLIMIT_FSIZE, &full);
    press(std::string(300, 'd'));
    setrlimit(RLIMIT_FSIZE, &saved);
    press("a");
    EXPECT_EQ(
        std::tuple(recorded(), urgent()),
        std::tuple(times("incX", 256, ""), "Recording stopped: the recording cannot be written"));
    const std::string next = tempPath("next.txt");
    press("0" + next + "\rd");
    EXPECT_EQ(readFile(next), "INI0incX");
}
