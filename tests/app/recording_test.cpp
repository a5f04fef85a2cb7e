// The recording file: names that cannot be opened, another game's file, and
// a recording that cannot be written at all.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <filesystem>

#include "app/file_lock.h"
#include "app/process_end.h"
#include "tests/app/shell_fixture.h"

namespace fs = std::filesystem;

// Names that cannot be opened fall back to output.txt, but another game's
// file (a game holds the lock of the file it records into) is never opened
// nor emptied: start-up and key 0 leave it as it is and say why. With
// output.txt a folder, start-up and a name that fails say that recording is
// off, also after the new game the prompt starts.
TEST_F(ShellTest, RecordingNamesThatCannotBeOpenedFallBackToOutputTxtButNotIntoAnotherGamesFile) {
    const fs::path here = fs::current_path(), dir = tempPath("cwd");
    fs::remove_all(dir), fs::create_directory(dir), fs::current_path(dir), mkfifo("fifo", 0600);
    std::ofstream("other.txt") << "INI4";
    const int other = open("other.txt", O_RDONLY);
    ASSERT_TRUE(lockFile(other));
    // A FIFO with no reader and a device are never waited on or written.
    for (const std::string& name :
         {std::string(), std::string("no/such/folder"), std::string("."), std::string(5000, 'n'),
          std::string("fifo"), std::string("/dev/zero")}) {
        openRecording(name);
        recordWord(Word::Turn);
        EXPECT_EQ(readFile("output.txt"), "incM") << name.size();
    }
    const int mine = open("output.txt", O_RDONLY);  // as a second game would find it
    EXPECT_FALSE(lockFile(mine));                   // the game holds its recording's lock
    const std::string held = "Recording is off: another game is recording there";
    press("0other.txt\r");
    EXPECT_EQ(std::tuple(urgent(), replayLog.file, readFile("other.txt")),
              std::tuple(held, nullptr, "INI4"));
    std::ofstream("output.txt") << "INI3drop";
    ASSERT_TRUE(lockFile(mine));
    startRecording(), press("0no/such\r");
    EXPECT_EQ(std::tuple(urgent(), replayLog.file, readFile("output.txt")),
              std::tuple(held, nullptr, "INI3drop"));
    close(other), close(mine);
    fs::remove("output.txt"), fs::create_directory("output.txt");
    const std::string off = "Recording is off: output.txt cannot be written";
    startRecording();
    EXPECT_EQ(urgent(), off);
    messageLine = {};
    press("0no/such/folder\r");
    EXPECT_EQ(std::tuple(urgent(), replayLog.file), std::tuple(off, nullptr));
    fs::current_path(here);
}

// A file that may not grow past 1 KiB, set in a child process as `ulimit -f`
// would: the write past it fails instead of killing the game. The recording
// stops at the first write that fails, keeps whole tokens only, says so,
// and stays stopped when there is room again, until a new recording opens.
TEST_F(ShellTest, AFileSizeLimitStopsTheRecordingAtTheFirstWriteThatFailsAndPlayGoesOn) {
    const std::string next = tempPath("next.txt");
    const int status = inChild(
        [&] {
            ignoreWriteSignals();  // as the game and zandok-replay do at start
            rlimit full{1024, RLIM_INFINITY};
            setrlimit(RLIMIT_FSIZE, &full), press(std::string(300, 'd'));
            const auto stopped = std::tuple(recorded(), urgent(), gameState.gameRunning);
            full.rlim_cur = RLIM_INFINITY, setrlimit(RLIMIT_FSIZE, &full);
            press("a0" + next + "\rd");
            const bool held =
                stopped == std::tuple(times("incX", 256, ""),
                                      "Recording stopped: the recording cannot be written", 1);
            _exit(held && readFile(next) == "INI0incX" ? 0 : 1);
        },
        60);
    EXPECT_EQ(status, 0);  // ended normally, every check held
}

// A read-only folder: the copy of a watched recording cannot be made
// beside it. The recording is kept whole, and the line says so.
TEST_F(ShellTest, WatchingTheRecordingInAReadOnlyFolderKeepsItWholeAndSaysSo) {
    const fs::path dir = tempPath("readonly");
    fs::remove_all(dir), fs::create_directory(dir);
    std::ofstream(dir / "output.txt");
    ASSERT_TRUE(geteuid() != 0 || chown((dir / "output.txt").c_str(), 65534, 65534) == 0);
    fs::permissions(dir, fs::perms(0555));
    EXPECT_TRUE(asNobody([&] {
        fs::current_path(dir), startRecording(), press("dd");
        const std::string game = readFile("output.txt");
        press("9output.txt\r");
        const std::string said = urgent();
        playToEnd();
        return game.size() == 12 && readFile("output.txt") == game &&
               said ==
                   "Recording stopped: no copy can be made beside the recording, which is "
                   "kept whole" &&
               std::distance(fs::directory_iterator(dir), fs::directory_iterator()) == 1;
    }));
    fs::permissions(dir, fs::perms(0755));
}
