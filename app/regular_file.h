// Files the game reads and writes by name (recordings, replays): only
// regular files, opened without ever waiting on a FIFO or a device, and
// written only under the file's lock.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

// Larger files are refused.
constexpr std::size_t MaxReplayBytes = 16 * 1024 * 1024;

// Why a file could not be opened or read.
enum class FileTrouble : uint8_t {
    NoTrouble,
    Missing,
    Denied,
    Directory,
    NotRegular,
    TooLarge,
    Empty,
    Held,  // another game is writing into it
    Other,
};
// The reason in words, as standard error gives it.
std::string troubleText(FileTrouble trouble);

// The file opened for reading, or null (and why) when it is not a regular
// file or cannot be opened.
std::FILE* openRegularForReading(const std::string& path, FileTrouble* why = nullptr);
// The file locked, then emptied, for writing; or null (and why) when it is
// something other than a regular file, cannot be opened, or another game
// holds its lock. Nothing else is emptied.
std::FILE* openRegularForWriting(const std::string& path, FileTrouble* why = nullptr);
