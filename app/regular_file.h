// Files the game reads and writes by name (recordings, replays): only
// regular files, opened without ever waiting on a FIFO or a device.
#pragma once

#include <cstdio>
#include <string>

// The file opened for reading, or null when it is not a regular file or
// cannot be opened.
std::FILE* openRegularForReading(const std::string& path);
// The file created or emptied for writing, or null when it is something
// other than a regular file or cannot be opened. Nothing else is emptied.
std::FILE* openRegularForWriting(const std::string& path);
