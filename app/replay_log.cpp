// Writing the recording. Every token is flushed at once; the header cuts the
// file, so the recording always holds exactly the current game.
#include "app/replay_log.h"

#include <unistd.h>

#include <cstring>

#include "model/block.h"

ReplayLog replayLog;

bool openRecordingFile(const std::string& path) {
    closeRecording();
    // A name with a NUL in it (typed at the prompt) names no file.
    if (path.empty() || path.find('\0') != std::string::npos) return false;
    replayLog.file = std::fopen(path.c_str(), "wb");
    return replayLog.file != nullptr;
}

void openRecording(const std::string& name) {
    if (!openRecordingFile(name)) openRecordingFile("output.txt");
}

void closeRecording() {
    if (replayLog.file) std::fclose(replayLog.file);
    replayLog.file = nullptr;
}

namespace {
void writeFlushed(const char* bytes, std::size_t count) {
    if (!replayLog.file) return;
    std::fwrite(bytes, 1, count, replayLog.file);
    std::fflush(replayLog.file);
}
}  // namespace

void recordAction(const char* word) { writeFlushed(word, strnlen(word, 4)); }

// A token as read from a replay: all four bytes, whatever they are.
void recordToken(const char token[4]) { writeFlushed(token, 4); }

void recordKindToken(const char* prefix, int kind) {
    char token[16];
    const int length = std::snprintf(token, sizeof token, "%.3s%d", prefix, kind);
    if (length > 0) writeFlushed(token, static_cast<std::size_t>(length));
}

namespace {
// Cut the previous game's tokens away: a shorter game must not leave the
// longer one's tail behind it. A stream that cannot be cut (a pipe) just
// goes on.
bool cutRecording() {
    if (!replayLog.file) return false;
    std::fflush(replayLog.file);
    std::rewind(replayLog.file);
    if (ftruncate(fileno(replayLog.file), 0) != 0) std::clearerr(replayLog.file);
    return true;
}
}  // namespace

void restartRecording(const char token[4]) {
    if (cutRecording()) recordToken(token);
}

void writeReplayHeader() {
    if (cutRecording()) recordKindToken("INI", fallingBlock.kind);
}
