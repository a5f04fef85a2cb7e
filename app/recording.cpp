// Writing the recording. Every token is flushed at once and checked; the
// header cuts the file, so the recording always holds exactly the current
// game, never with a hole in it.
#include "app/recording.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "app/game_words.h"
#include "app/regular_file.h"
#include "model/block.h"
#include "model/message_line.h"
#include "model/seams.h"

ReplayLog replayLog;

namespace {

void sayRecordingIsOff() { showUrgentMessage("Recording is off: output.txt cannot be written", 8); }

// Keeps what reached the disk whole and writes nothing more until the next
// recording is opened.
void stopRecording() {
    std::FILE* file = replayLog.file;
    replayLog.file = nullptr;
    replayLog.failed = true;
    (void)!ftruncate(fileno(file), replayLog.length);  // nothing more can be done for this file
    std::fclose(file);
    showUrgentMessage("Recording stopped: the recording cannot be written", 8);
}

bool writeChecked(const char* bytes, std::size_t count) {
    if (!replayLog.file) return false;
    if (std::fwrite(bytes, 1, count, replayLog.file) != count || std::fflush(replayLog.file) != 0) {
        stopRecording();
        return false;
    }
    replayLog.length += static_cast<long>(count);
    return true;
}

void appendToken(const char* bytes, std::size_t count) {
    if (!replayLog.shadowPath.empty() && !replayLog.fromPlayback) keepPlaybackRecording();
    noteGameWord(bytes, count, replayLog.fromPlayback);
    writeChecked(bytes, count);
}

void dropShadow() {
    if (replayLog.shadowPath.empty()) return;
    unlink(replayLog.shadowPath.c_str());
    replayLog.shadowPath.clear();
}

// Cut the previous game's tokens away: a shorter game must not leave the
// longer one's tail behind it.
bool cutRecording() {
    if (!replayLog.file) return false;
    std::rewind(replayLog.file);
    replayLog.length = 0;
    if (ftruncate(fileno(replayLog.file), 0) == 0) return true;
    stopRecording();
    return false;
}

}  // namespace

bool openRecordingFile(const std::string& path) {
    closeRecording();
    seams.tokenWriter = appendToken;
    replayLog.file = openRegularForWriting(path);
    replayLog.path = path;
    return replayLog.file != nullptr;
}

void startRecording() {
    if (!openRecordingFile("output.txt")) sayRecordingIsOff();
    writeReplayHeader();  // the game's words begin here, written or not
}

void openRecording(const std::string& name) {
    if (!openRecordingFile(name) && !openRecordingFile("output.txt")) sayRecordingIsOff();
}

bool closeRecording() {
    dropShadow();
    const bool written = !replayLog.failed && (!replayLog.file || std::fclose(replayLog.file) == 0);
    replayLog = ReplayLog{};
    return written;
}

void restartRecording(const char token[TokenLength]) {
    noteGameStart(token, TokenLength);
    if (cutRecording()) writeChecked(token, TokenLength);
}

void writeReplayHeader() {
    char header[16];
    const int length = formatKindToken(header, "INI", fallingBlock.kind);
    noteGameStart(header, static_cast<std::size_t>(length));
    if (cutRecording()) writeChecked(header, static_cast<std::size_t>(length));
}

void recordBesideWhilePlaying(dev_t device, ino_t inode) {
    struct stat info {};
    if (!replayLog.file || !replayLog.shadowPath.empty() ||
        fstat(fileno(replayLog.file), &info) != 0 || info.st_dev != device || info.st_ino != inode)
        return;
    std::string shadow = replayLog.path + ".XXXXXX";
    const int fd = mkstemp(shadow.data());
    std::FILE* file = fd >= 0 && fchmod(fd, info.st_mode & 0777) == 0 ? fdopen(fd, "wb") : nullptr;
    if (!file) {
        if (fd >= 0) close(fd), unlink(shadow.c_str());
        stopRecording();
        return;
    }
    static const bool dropAtExit = std::atexit([] { closeRecording(); }) == 0;
    (void)dropAtExit;
    std::fclose(replayLog.file);
    replayLog.file = file;
    replayLog.shadowPath = shadow;
    replayLog.length = 0;
}

void keepPlaybackRecording() {
    if (!replayLog.file) dropShadow();  // a copy cut short by a failed write
    if (replayLog.shadowPath.empty()) return;
    const bool kept = std::rename(replayLog.shadowPath.c_str(), replayLog.path.c_str()) == 0;
    replayLog.shadowPath.clear();
    if (!kept && replayLog.file) stopRecording();
}
