// A recorded game to play back: the file is read whole when it is loaded,
// then handed out one token at a time.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <string>

#include "app/regular_file.h"
#include "model/recording.h"

struct ReplaySource {
    std::string text;
    std::size_t position = 0;
    // The file it was read from, to tell when it is the recording itself.
    dev_t device = 0;
    ino_t inode = 0;
    // Where a damaged token stopped the playback, or npos.
    std::size_t damagedAt = std::string::npos;
};

extern ReplaySource replaySource;

// Drops the loaded file and reads name whole; false (nothing loaded, and
// why) when it is not a regular file, cannot be read, is empty or is larger
// than MaxReplayBytes.
bool loadReplay(const std::string& name, FileTrouble* why = nullptr);
// Drops the loaded file.
void closeReplay();

// One token as read: up to 4 characters, stopped early by a line break
// (which is used up). ended: the file ended first, the token is dropped.
struct ReplayToken {
    char text[TokenLength] = {};
    int length = 0;
    bool ended = false;
    std::size_t offset = 0;  // of its first byte in the file
};
ReplayToken readReplayToken();
