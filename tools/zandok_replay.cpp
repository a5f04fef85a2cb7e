// zandok-replay FILE [--record OUT]: plays a recorded game without a window
// or sound, as the replay prompt and the idle pass would, and prints where
// the game ended. Exit status: 0 played to the end, 1 FILE cannot be read,
// 2 bad arguments, 3 stopped at a damaged token, 4 something could not be
// written.
#include <cstdio>
#include <cstring>
#include <string>

#include "app/playback.h"
#include "app/process_end.h"
#include "app/recording.h"
#include "app/replay_report.h"
#include "app/replay_source.h"
#include "model/game_state.h"

namespace {

const char* const usage =
    "usage: zandok-replay FILE [--record OUT]\n"
    "       zandok-replay --help | --version\n"
    "Plays the recorded 3D Zandok game FILE without a window or sound and prints\n"
    "the steps made, score, level, layers, cheats left, the block and the well.\n"
    "--record OUT writes the recording the playback makes into OUT.\n";

int badUsage() {
    std::fputs(usage, stderr);
    return 2;
}

int cannotWrite(const char* what) {
    std::fprintf(stderr, "zandok-replay: %s cannot be written\n", what);
    return 4;
}

int cannotUse(const char* file, const char* what, FileTrouble why, int status) {
    std::fprintf(stderr, "zandok-replay: %s cannot be %s: %s\n", file, what,
                 troubleText(why).c_str());
    return status;
}

int stoppedAtDamage() {
    std::fprintf(stderr, "zandok-replay: %s\n", damagedTokenNote().c_str());
    return 3;
}

}  // namespace

int main(int argc, char** argv) {
    // A reader that goes away, or a file-size limit, makes writes fail,
    // which is reported.
    ignoreWriteSignals();
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) return std::fputs(usage, stdout), 0;
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0)
        return std::puts("zandok-replay " ZANDOK_VERSION), 0;
    std::string file;
    const char* recordTo = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--record") == 0) {
            if (++i >= argc || recordTo) return badUsage();
            recordTo = argv[i];
        } else if (file.empty() && argv[i][0] != '\0' && argv[i][0] != '-') {
            file = argv[i];
        } else {
            return badUsage();
        }
    }
    if (file.empty()) return badUsage();

    // Read first: the recording may name the same file and is cut when it
    // is opened.
    FileTrouble why = FileTrouble::NoTrouble;
    if (!loadReplay(file, &why)) return cannotUse(file.c_str(), "read", why, 1);
    if (recordTo && !openRecordingFile(recordTo, &why))
        return cannotUse(recordTo, "recorded into", why, 4);
    beginReplay();

    long steps = 0;
    while (gameState.gameRunning && gameState.replayMode) {
        replayStep();
        ++steps;
    }
    const std::string report = replayReport(steps);
    const bool reported = std::fwrite(report.data(), 1, report.size(), stdout) == report.size() &&
                          std::fflush(stdout) == 0;
    if (!closeRecording()) return cannotWrite("the recording");
    if (!reported) return cannotWrite("the report");
    return replaySource.damagedAt == std::string::npos ? 0 : stoppedAtDamage();
}
