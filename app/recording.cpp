// Writing the recording. Every token is flushed at once; the header cuts the
// file, so the recording always holds exactly the current game.
#include "app/recording.h"

#include <unistd.h>

#include "model/block.h"
#include "model/message_line.h"
#include "model/recording.h"
#include "model/seams.h"

ReplayLog replayLog;

namespace {
void writeFlushed(const char* bytes, std::size_t count) {
    if (!replayLog.file) return;
    std::fwrite(bytes, 1, count, replayLog.file);
    std::fflush(replayLog.file);
}
}  // namespace

bool openRecordingFile(const std::string& path) {
    closeRecording();
    seams.tokenWriter = writeFlushed;
    // A name with a NUL in it (typed at the prompt) names no file.
    if (path.empty() || path.find('\0') != std::string::npos) return false;
    replayLog.file = std::fopen(path.c_str(), "wb");
    return replayLog.file != nullptr;
}

namespace {
void sayRecordingIsOff() { showUrgentMessage("Recording is off: output.txt cannot be written", 8); }
}  // namespace

void startRecording() {
    if (openRecordingFile("output.txt"))
        writeReplayHeader();
    else
        sayRecordingIsOff();
}

void openRecording(const std::string& name) {
    if (!openRecordingFile(name) && !openRecordingFile("output.txt")) sayRecordingIsOff();
}

void closeRecording() {
    if (replayLog.file) std::fclose(replayLog.file);
    replayLog.file = nullptr;
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

void restartRecording(const char token[TokenLength]) {
    if (cutRecording()) writeFlushed(token, TokenLength);
}

void writeReplayHeader() {
    char header[16];
    const int length = formatKindToken(header, "INI", fallingBlock.kind);
    if (cutRecording()) writeFlushed(header, static_cast<std::size_t>(length));
}
