// Playing a recorded game back: the file is read whole when it is loaded,
// then one 4-character token is performed per step.
#pragma once

#include <cstddef>
#include <string>

// Larger files are refused.
constexpr std::size_t MaxReplayBytes = 16 * 1024 * 1024;

struct ReplaySource {
    std::string text;
    std::size_t position = 0;
};

extern ReplaySource replaySource;

// Drops the loaded file and reads name whole; false (and nothing loaded)
// when it cannot be read, is empty or is too large.
bool loadReplay(const std::string& name);
// Restarts the game and plays the loaded file from its start, silently.
void beginReplay();
// Performs the next token, or ends the playback at the end of the file or
// at a token whose kind is damaged.
void replayStep();
// Drops the loaded file.
void closeReplay();
