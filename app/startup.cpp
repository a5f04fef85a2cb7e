// Start-up without a window: the options, the data folder, the greeting and
// the nine-number command line.
#include "app/startup.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <utility>

#include "model/message_line.h"
#include "render/view_settings.h"

namespace {

struct Greeting {
    const char* text;
    int32_t seconds;
};

// The blanks clear the line between the tips; the last one stays.
const Greeting greeting[] = {
    {"Welcome to 3D Zandok.  Press '?' to show all keys.", 4},
    {"", 2},
    {":) - Use 'a' 'd' 'w' & 'x' to control the block and use 's' to change the shape", 7},
    {"", 3},
    {":) - Try out the different numbers for viewing features! You will be surprised", 7},
    {"", 3},
    {":) - You can also use your mouse to navigate.  Press 'z' to toggle between different view "
     "modes",
     7},
    {"", 3},
};

// A number as atof reads it; one that no float can hold (inf, nan, 1e99)
// counts as no number, 0, rather than handing the camera an infinity.
float realArgument(const char* text) {
    const double value = std::strtod(text, nullptr);
    return std::isfinite(value) && std::fabs(value) <= FLT_MAX ? static_cast<float>(value) : 0.0f;
}

// A whole number as atoi reads it, held to the int range instead of
// overflowing.
int wholeArgument(const char* text) {
    const long value = std::strtol(text, nullptr, 10);
    return static_cast<int>(value < INT_MIN ? INT_MIN : value > INT_MAX ? INT_MAX : value);
}

}  // namespace

StartOptions readStartOptions(int argc, char** argv) {
    StartOptions options;
    options.argc = argc, options.argv = argv;
    const auto is = [&](int i, const char* option) {
        return i < argc && std::strcmp(argv[i], option) == 0;
    };
    if (is(1, "--data-dir")) {
        options.dataFolder = true;
        --options.argc, ++options.argv;
        argv[1] = argv[0];
    }
    const int count = options.argc;
    char** const args = options.argv;
    if (count > 1 && (std::strcmp(args[1], "--help") == 0 || std::strcmp(args[1], "-h") == 0))
        options.mode = count == 2 ? StartOptions::Help : StartOptions::BadUsage;
    else if (count > 1 && std::strcmp(args[1], "--version") == 0)
        options.mode = count == 2 ? StartOptions::Version : StartOptions::BadUsage;
    else if (count > 1 && std::strcmp(args[1], "--timedemo") == 0)
        options.mode = count == 3 ? StartOptions::Timedemo : StartOptions::BadUsage;
    else if (count > 1 && std::strcmp(args[1], "--scores") == 0)
        options.mode = count == 2 ? StartOptions::Scores : StartOptions::BadUsage;
    else if (count > 1 && std::strcmp(args[1], "--tidy-games") == 0)
        options.mode = count == 2 ? StartOptions::TidyGames : StartOptions::BadUsage;
    if (options.mode == StartOptions::Timedemo) options.timedemoFile = args[2];
    return options;
}

const char usageText[] =
    "usage: zandok [--data-dir] [EYE_X EYE_Y EYE_Z TARGET_X TARGET_Y TARGET_Z UP_X UP_Y UP_Z]\n"
    "       zandok --timedemo FILE\n"
    "       zandok --scores | --tidy-games\n"
    "       zandok --help | --version\n"
    "Plays 3D Zandok. Nine numbers place the camera (the first three, as whole\n"
    "numbers, also the light). Every game is recorded into output.txt in the\n"
    "current folder; --data-dir plays in $XDG_DATA_HOME/zandok instead.\n"
    "--timedemo plays the recorded game FILE as fast as frames come, silently,\n"
    "and prints frames, seconds and frames per second.\n"
    "Every game that scores is kept in $XDG_DATA_HOME/zandok/games (or\n"
    "~/.local/share/zandok/games): --scores prints the best games, proven by\n"
    "replaying them, without a window; --tidy-games keeps only the 10 best and\n"
    "the 20 most recent (the game does it after keeping a game).\n";

std::string dataFolderPath() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome && dataHome[0] == '/') return std::string(dataHome) + "/zandok";
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/') return std::string(home) + "/.local/share/zandok";
    return "";
}

const char* enterDataFolder() {
    const std::string folder = dataFolderPath();
    if (folder.empty()) {
        std::fputs(
            "zandok: no data folder, as neither HOME nor XDG_DATA_HOME names one; "
            "recording is off\n",
            stderr);
        return "Recording is off: there is no data folder (HOME is not set)";
    }
    // Each step, and what the message line says when it fails.
    const std::pair<const char*, const char*> steps[] = {
        {"cannot be made", "Recording is off: the data folder cannot be made"},
        {"cannot be entered", "Recording is off: the data folder cannot be entered"},
        {"cannot be written", "Recording is off: the data folder cannot be written"}};
    std::error_code error;
    int step = 0;
    std::filesystem::create_directories(folder, error);
    if (!error) std::filesystem::current_path(folder, error), step = 1;
    if (!error && faccessat(AT_FDCWD, ".", W_OK | X_OK, AT_EACCESS) != 0)
        error.assign(errno, std::generic_category()), step = 2;
    if (!error) return nullptr;
    std::fprintf(stderr, "zandok: the data folder %s %s (%s); recording is off\n", folder.c_str(),
                 steps[step].first, error.message().c_str());
    return steps[step].second;
}

void postGreeting() {
    for (const Greeting& g : greeting) postMessage(g.text, g.seconds);
}

void applyCommandLine(int argc, char** argv) {
    if (argc != 10) return;
    float* const targets[9] = {
        &viewSettings.eye[0],    &viewSettings.eye[1],    &viewSettings.eye[2],
        &viewSettings.centre[0], &viewSettings.centre[1], &viewSettings.centre[2],
        &viewSettings.up[0],     &viewSettings.up[1],     &viewSettings.up[2]};
    for (int i = 0; i < 9; ++i) *targets[i] = realArgument(argv[i + 1]);
    // The light takes the whole-number parts of the eye's numbers.
    for (int i = 0; i < 3; ++i)
        viewSettings.light[i] = static_cast<float>(wholeArgument(argv[i + 1]));
}
