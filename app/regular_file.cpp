// Opening by name without blocking: a FIFO with no partner, a terminal or a
// device would otherwise hold the whole game inside a key press. A file to
// write is emptied only once its lock is ours.
#include "app/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "app/file_lock.h"

namespace {

FileTrouble openTrouble(int error) {
    switch (error) {
        case ENOENT:
        case ENOTDIR:
            return FileTrouble::Missing;
        case EACCES:
        case EPERM:
            return FileTrouble::Denied;
        case EISDIR:
            return FileTrouble::Directory;
        default:
            return FileTrouble::Other;
    }
}

FileTrouble kindTrouble(const struct stat& info) {
    if (S_ISDIR(info.st_mode)) return FileTrouble::Directory;
    return S_ISREG(info.st_mode) ? FileTrouble::NoTrouble : FileTrouble::NotRegular;
}

// The descriptor as a stream when it names a regular file; closed otherwise.
std::FILE* asRegularStream(int fd, const char* mode, bool empty, FileTrouble* why) {
    FileTrouble trouble = fd < 0 ? openTrouble(errno) : FileTrouble::NoTrouble;
    struct stat info {};
    if (fd >= 0) {
        trouble = fstat(fd, &info) == 0 ? kindTrouble(info) : FileTrouble::Other;
        if (trouble == FileTrouble::NoTrouble && empty && !lockFile(fd))
            trouble = FileTrouble::Held;
        if (trouble == FileTrouble::NoTrouble &&
            ((empty && ftruncate(fd, 0) != 0) ||
             fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0))
            trouble = FileTrouble::Other;
    }
    std::FILE* stream = trouble == FileTrouble::NoTrouble ? fdopen(fd, mode) : nullptr;
    if (!stream && fd >= 0) close(fd);
    if (!stream && trouble == FileTrouble::NoTrouble) trouble = FileTrouble::Other;
    if (why) *why = trouble;
    return stream;
}

bool nameable(const std::string& path, FileTrouble* why) {
    const bool ok = !path.empty() && path.find('\0') == std::string::npos;
    if (!ok && why) *why = FileTrouble::Missing;
    return ok;
}

}  // namespace

std::string troubleText(FileTrouble trouble) {
    switch (trouble) {
        case FileTrouble::NoTrouble:
            return "";
        case FileTrouble::Missing:
            return "no such file";
        case FileTrouble::Denied:
            return "permission denied";
        case FileTrouble::Directory:
            return "it is a directory";
        case FileTrouble::NotRegular:
            return "not a regular file";
        case FileTrouble::TooLarge:
            return "larger than " + std::to_string(MaxReplayBytes >> 20) + " MiB";
        case FileTrouble::Empty:
            return "it is empty";
        case FileTrouble::Held:
            return "another game is recording there";
        case FileTrouble::Other:
            break;
    }
    return "it cannot be used";
}

std::FILE* openRegularForReading(const std::string& path, FileTrouble* why) {
    if (!nameable(path, why)) return nullptr;
    return asRegularStream(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC), "rb", false, why);
}

std::FILE* openRegularForWriting(const std::string& path, FileTrouble* why) {
    if (!nameable(path, why)) return nullptr;
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0644);
    return asRegularStream(fd, "wb", true, why);
}
