// Fuzz target: any bytes as a recorded game, played to its end as the replay
// player plays it. Its recording, played in turn, must record the same
// tokens and end in the same game. Played once more with the recording's
// writes failing from a chosen byte on (as on a full disk), the recording
// kept must be whole words from the start of the full one, and play back
// without a damaged word.
#include <cstdint>
#include <cstdio>
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

// Writes from this byte of the file on fail; the bytes before it are
// written, a token's first part too.
std::size_t failAt = 0;

bool failingWrite(std::FILE* file, const char* bytes, std::size_t count) {
    const auto at = static_cast<std::size_t>(std::ftell(file));
    const std::size_t room = failAt > at ? failAt - at : 0;
    if (room >= count) return writeAndFlush(file, bytes, count);
    writeAndFlush(file, bytes, room);
    return false;
}

// The game where the playback of file ended (without the steps made), or ""
// when the file cannot be loaded; records into out, failing at failAt when
// asked.
std::string play(const char* file, const char* out, bool failing = false) {
    freshProgram(7);
    if (failing) writeRecordingBytes = failingWrite;
    if (!loadReplay(file)) return "";
    openRecordingFile(out);
    beginReplay();
    while (gameState.gameRunning && gameState.replayMode) replayStep();
    if (!closeRecording() && !failing) std::abort();
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

    failAt = size > 1 ? (data[0] | data[1] << 8) % (copy.size() + 1) : 0;
    play("game.txt", "cut.txt", true);
    const std::string cut = readAll("cut.txt");
    if (cut.size() > failAt || cut.size() % TokenLength || copy.compare(0, cut.size(), cut) != 0)
        std::abort();
    if (!cut.empty() &&
        (play("cut.txt", "again.txt").empty() || replaySource.damagedAt != std::string::npos))
        std::abort();
    return 0;
}
