// flock, not fcntl's record locks: those belong to the process and go at the
// first close of any descriptor of the file, as reading it back would do.
#include "app/file_lock.h"

#include <sys/file.h>

#include <cerrno>

bool lockFile(int fd) {
    int result;
    do result = flock(fd, LOCK_EX | LOCK_NB);
    while (result != 0 && errno == EINTR);
    return result == 0;
}
