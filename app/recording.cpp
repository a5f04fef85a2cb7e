// Writing the recording. Every token is flushed at once and checked; the
// header cuts the file, so the recording always holds exactly the current
// game, never with a hole in it. The file is locked while it is recorded
// into: a second game never writes into it, nor empties it.
#include "app/recording.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "app/file_lock.h"
#include "app/game_words.h"
#include "app/regular_file.h"
#include "model/block.h"
#include "model/message_line.h"
#include "model/seams.h"

ReplayLog replayLog;

bool writeAndFlush(std::FILE* file, const char* bytes, std::size_t count) {
    return std::fwrite(bytes, 1, count, file) == count && std::fflush(file) == 0;
}
bool (*writeRecordingBytes)(std::FILE*, const char*, std::size_t) = writeAndFlush;

namespace {

const char* const defaultName = "output.txt";
const char* const cannotWriteText = "Recording is off: output.txt cannot be written";
const char* const heldText = "Recording is off: another game is recording there";
const char* const stoppedText = "Recording stopped: the recording cannot be written";
const char* const noCopyText =
    "Recording stopped: no copy can be made beside the recording, which is kept whole";

const char* defaultRefusal = nullptr;

void sayRecordingIsOff(const char* why) { showUrgentMessage(why, 8); }

// Keeps what reached the disk whole and writes nothing more until the next
// recording is opened.
void stopRecording(const char* why) {
    std::FILE* file = replayLog.file;
    replayLog.file = nullptr;
    replayLog.failed = true;
    // Cut after the close, whose flush may still write a failed token's part.
    const int fd = dup(fileno(file));
    std::fclose(file);
    (void)!ftruncate(fd, replayLog.length);  // nothing more can be done for this file
    if (fd >= 0) close(fd);
    showUrgentMessage(why, 8);
}

bool writeChecked(const char* bytes, std::size_t count) {
    if (!replayLog.file) return false;
    if (!writeRecordingBytes(replayLog.file, bytes, count)) {
        stopRecording(stoppedText);
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

void closeOriginal() {
    if (replayLog.original) std::fclose(replayLog.original);
    replayLog.original = nullptr;
}

void dropShadow() {
    if (!replayLog.shadowPath.empty()) unlink(replayLog.shadowPath.c_str());
    replayLog.shadowPath.clear();
    closeOriginal();
}

// Cut the previous game's tokens away: a shorter game must not leave the
// longer one's tail behind it.
bool cutRecording() {
    if (!replayLog.file) return false;
    std::rewind(replayLog.file);
    replayLog.length = 0;
    if (ftruncate(fileno(replayLog.file), 0) == 0) return true;
    stopRecording(stoppedText);
    return false;
}

const char* offText(FileTrouble why) {
    return why == FileTrouble::Held ? heldText : cannotWriteText;
}

}  // namespace

bool openRecordingFile(const std::string& path, FileTrouble* why) {
    closeRecording();
    seams.tokenWriter = appendToken;
    replayLog.file = openRegularForWriting(path, why);
    replayLog.path = path;
    return replayLog.file != nullptr;
}

void refuseDefaultRecording(const char* why) { defaultRefusal = why; }

void startRecording() {
    FileTrouble why = FileTrouble::NoTrouble;
    if (defaultRefusal)
        sayRecordingIsOff(defaultRefusal);
    else if (!openRecordingFile(defaultName, &why))
        sayRecordingIsOff(offText(why));
    writeReplayHeader();  // the game's words begin here, written or not
}

void openRecording(const std::string& name) {
    FileTrouble why = FileTrouble::NoTrouble;
    if (openRecordingFile(name, &why)) return;
    // Another game's file is not replaced by output.txt: the player would
    // never learn that his name was refused.
    if (why == FileTrouble::Held) return sayRecordingIsOff(heldText);
    if (defaultRefusal) return sayRecordingIsOff(defaultRefusal);
    if (!openRecordingFile(defaultName, &why)) sayRecordingIsOff(offText(why));
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
    const int length = formatKindWord(header, Word::Header, fallingBlock.kind);
    noteGameStart(header, static_cast<std::size_t>(length));
    if (cutRecording()) writeChecked(header, static_cast<std::size_t>(length));
}

void recordBesideWhilePlaying(dev_t device, ino_t inode) {
    struct stat info {};
    if (!replayLog.file || !replayLog.shadowPath.empty() ||
        fstat(fileno(replayLog.file), &info) != 0 || info.st_dev != device || info.st_ino != inode)
        return;
    std::string shadow = replayLog.path + ".XXXXXX";
    const int fd = mkostemp(shadow.data(), O_CLOEXEC);
    std::FILE* file = fd >= 0 && fchmod(fd, info.st_mode & 0777) == 0 && lockFile(fd)
                          ? fdopen(fd, "wb")
                          : nullptr;
    if (!file) {
        // A read-only folder, say: the recording stays as it is, and says so.
        if (fd >= 0) close(fd), unlink(shadow.c_str());
        stopRecording(noCopyText);
        return;
    }
    // A normal exit during the playback drops the copy (app/process_end.h).
    static const bool dropAtExit = std::atexit([] { closeRecording(); }) == 0;
    (void)dropAtExit;
    replayLog.original = replayLog.file;
    replayLog.file = file;
    replayLog.shadowPath = shadow;
    replayLog.length = 0;
}

void keepPlaybackRecording() {
    if (!replayLog.file) dropShadow();  // a copy cut short by a failed write
    if (replayLog.shadowPath.empty()) return;
    const bool kept = std::rename(replayLog.shadowPath.c_str(), replayLog.path.c_str()) == 0;
    if (kept) replayLog.shadowPath.clear();
    dropShadow();
    if (!kept && replayLog.file) stopRecording(stoppedText);
}
