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

void recordAction(const char* word) {
    if (!replayLog.file) return;
    std::fwrite(word, 1, strnlen(word, 4), replayLog.file);
    std::fflush(replayLog.file);
}

void recordKindToken(const char* prefix, int kind) {
    if (!replayLog.file) return;
    std::fprintf(replayLog.file, "%.3s%d", prefix, kind);
    std::fflush(replayLog.file);
}

void recordToken(const char token[4]) {
    if (!replayLog.file) return;
    std::fwrite(token, 1, 4, replayLog.file);
    std::fflush(replayLog.file);
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
