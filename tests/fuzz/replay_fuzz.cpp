// Fuzz target: any bytes as a recorded game, played to its end as the replay
// player plays it. Its recording, played in turn, must record the same
// tokens and end in the same game.
#include <cstdint>
#include <fstream>

#include "app/playback.h"
#include "app/recording.h"
#include "app/replay_report.h"
#include "app/replay_source.h"
#include "model/game_state.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

std::string readAll(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The game where the playback of file ended (without the steps made), or ""
// when the file cannot be loaded; records into out.
std::string play(const char* file, const char* out) {
    freshProgram(7);
    if (!loadReplay(file)) return "";
    openRecordingFile(out);
    beginReplay();
    while (gameState.gameRunning && gameState.replayMode) replayStep();
    if (!closeRecording()) std::abort();
    const std::string report = replayReport(0);
    return report.substr(report.find('\n'));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const InFuzzFolder folder;
    std::ofstream("game.txt", std::ios::binary).write(reinterpret_cast<const char*>(data), size);
    const std::string ended = play("game.txt", "copy.txt"), copy = readAll("copy.txt");
    if (ended.empty()) return 0;
    if (play("copy.txt", "again.txt") != ended || readAll("again.txt") != copy) std::abort();
    return 0;
}
