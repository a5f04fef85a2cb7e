// Opening by name without blocking: a FIFO with no partner, a terminal or a
// device would otherwise hold the whole game inside a key press.
#include "app/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The descriptor as a stream when it names a regular file; closed otherwise.
std::FILE* asRegularStream(int fd, const char* mode, bool empty) {
    struct stat info {};
    if (fd < 0) return nullptr;
    const bool usable = fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
                        (!empty || ftruncate(fd, 0) == 0) &&
                        fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK) == 0;
    std::FILE* stream = usable ? fdopen(fd, mode) : nullptr;
    if (!stream) close(fd);
    return stream;
}

bool nameable(const std::string& path) {
    return !path.empty() && path.find('\0') == std::string::npos;
}

}  // namespace

std::FILE* openRegularForReading(const std::string& path) {
    if (!nameable(path)) return nullptr;
    return asRegularStream(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC), "rb", false);
}

std::FILE* openRegularForWriting(const std::string& path) {
    if (!nameable(path)) return nullptr;
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0644);
    return asRegularStream(fd, "wb", true);
}
