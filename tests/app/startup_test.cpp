// The nine-number command line.
#include <filesystem>
#include <fstream>

#include "app/startup.h"
#include "tests/app/shell_fixture.h"

namespace fs = std::filesystem;

TEST_F(ShellTest, ANewProgramsViewAndTheNineNumbersThatSetItsCameraAndLight) {
    using V = std::vector<float>;
    const ViewSettings& v = viewSettings;
    EXPECT_EQ(std::tuple(std::vector<int32_t>({v.orthogonal, v.gridlines, v.wireframe, v.navigating,
                                               v.rotateX, v.rotateY, v.rotateZ, v.angleX, v.angleY,
                                               v.angleZ}),
                         v.zoom),
              std::tuple(std::vector<int32_t>({1, 1, 0, 0, 0, 0, 0, 0, 0, 0}), 0.9f));
    // Arguments; then eye, centre, up and light as they come out.
    const std::pair<std::vector<const char*>, V> cases[] = {
        {{"3.5", "4", "5", "0", "0", "0", "0", "1", "0"},
         {3.5f, 4, 5, 0, 0, 0, 0, 1, 0, 3, 4, 5, 0}},
        {{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"},  // ten: a new program's stay
         {1, 1, 1, 0, 0, 0, 0, 1, 0, 1, 1, 1, 0}},
        {{"-2.7", "x", "1", "0", "7", "0", "0", "1", "9"},
         {-2.7f, 0, 1, 0, 7, 0, 0, 1, 9, -2, 0, 1, 0}},
        // Numbers no float holds count as 0; whole parts stay within int.
        {{"inf", "nan", "-99999999999", "0", "0", "1e99", "0", "1", "0"},
         {0, 0, -1e11f, 0, 0, 0, 0, 1, 0, 0, 0, -2147483648.0f, 0}},
    };
    for (const auto& [args, want] : cases) {
        reset();
        std::vector<char*> argv = {const_cast<char*>("zandok")};
        for (const char* a : args) argv.push_back(const_cast<char*>(a));
        applyCommandLine(static_cast<int>(argv.size()), argv.data());
        V camera;
        for (const auto& [part, n] : {std::pair(v.eye, 3), {v.centre, 3}, {v.up, 3}, {v.light, 4}})
            camera.insert(camera.end(), part, part + n);
        EXPECT_EQ(camera, want) << argv.back();
    }
}

TEST_F(ShellTest, OptionsAreKnownOnlyInTheirOwnForm) {
    using S = StartOptions;
    // Arguments; what they ask for, the data folder, and what is left.
    const std::tuple<std::vector<const char*>, S::Mode, bool, int> rows[] = {
        {{"--help"}, S::Help, false, 2},
        {{"--version"}, S::Version, false, 2},
        {{"--timedemo", "f"}, S::Timedemo, false, 3},
        {{"--timedemo"}, S::BadUsage, false, 2},
        {{"--help", "x"}, S::BadUsage, false, 3},
        {{"--bogus"}, S::Play, false, 2},
        {{"--data-dir", "1", "2", "3", "4", "5", "6", "7", "8", "9"}, S::Play, true, 10}};
    for (const auto& [args, mode, dataFolder, left] : rows) {
        std::vector<char*> argv = {const_cast<char*>("zandok")};
        for (const char* a : args) argv.push_back(const_cast<char*>(a));
        const S options = readStartOptions(static_cast<int>(argv.size()), argv.data());
        EXPECT_EQ(std::tuple(options.mode, options.dataFolder, options.argc,
                             std::string(options.argv[0])),
                  std::tuple(mode, dataFolder, left, "zandok"))
            << args[0];
    }
}

// --data-dir with a data folder that cannot be used: the folder the game
// was started from keeps its output.txt, even through key 0's fallback;
// the line and standard error say why.
TEST_F(ShellTest, ADataFolderThatCannotBeUsedLeavesTheStartFolderAloneAndAUsableOneIsMadeOnce) {
    const fs::path here = fs::current_path(), start = tempPath("start");
    fs::remove_all(start), fs::create_directories(start / "ro/zandok");
    fs::permissions(start / "ro/zandok", fs::perms(0555)), fs::current_path(start);
    std::ofstream("output.txt") << "INI1drop", std::ofstream("file") << "x";
    const std::string home = std::getenv("HOME"), s = start.string();
    const std::string none = "there is no data folder (HOME is not set)",
                      unnamed = "no data folder, as neither HOME nor XDG_DATA_HOME names one",
                      made = "the data folder cannot be made", in = "the data folder " + s;
    // XDG_DATA_HOME and HOME ("-": unset); the line, and standard error.
    const std::tuple<std::string, std::string, std::string, std::string> rows[] = {
        {"-", "-", none, unnamed},
        {"relative", "", none, unnamed},
        {s + "/file", "/home/x", made, in + "/file/zandok cannot be made (Not a directory)"},
        {"-", s + "/file", made, in + "/file/.local/share/zandok cannot be made (Not a directory)"},
        {"/proc", "/home/x", made,
         "the data folder /proc/zandok cannot be made (No such file or directory)"},
    };
    for (const auto& [dataHome, userHome, line, error] : rows) {
        reset();
        for (const auto& [name, value] : {std::pair("XDG_DATA_HOME", dataHome), {"HOME", userHome}})
            value == "-" ? unsetenv(name) : setenv(name, value.c_str(), 1);
        ::testing::internal::CaptureStderr();
        refuseDefaultRecording(enterDataFolder());  // as the game starts
        const std::string said = ::testing::internal::GetCapturedStderr();
        startRecording();
        const std::string startUp = urgent();
        press("0\r");  // the empty name, which would fall back to output.txt
        EXPECT_EQ(
            std::tuple(said, startUp, urgent(), fs::current_path(), readFile("output.txt")),
            std::tuple("zandok: " + error + "; recording is off\n", "Recording is off: " + line,
                       "Recording is off: " + line, start, "INI1drop"))
            << error;
    }
    setenv("XDG_DATA_HOME", (s + "/ro").c_str(), 1);  // a folder nobody may write
    EXPECT_TRUE(asNobody([&] {
        const char* why = enterDataFolder();
        return why && std::string(why) == "Recording is off: the data folder cannot be written";
    }));
    setenv("XDG_DATA_HOME", (s + "/data").c_str(), 1);  // a usable one is made once
    EXPECT_TRUE(!enterDataFolder() && !enterDataFolder());
    EXPECT_EQ(fs::current_path(), start / "data/zandok");
    refuseDefaultRecording(nullptr), setenv("HOME", home.c_str(), 1), unsetenv("XDG_DATA_HOME");
    fs::current_path(here);
}
