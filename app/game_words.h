// The words of the game being played, gathered in memory as the recording
// takes them, from its header to its last word: the game can be kept even
// when its recording file could not be written.
#pragma once

#include <cstddef>
#include <string>

struct GameWords {
    std::string words;
    // A playback only watched is not the player's game; one he played a
    // move of his own in is.
    bool watched = false;
    bool tookOver = false;
    bool kept = false;  // already kept (or nothing worth keeping)
};

extern GameWords gameWords;

// A game begins with this header (a restart, or a playback's own header).
void noteGameStart(const char* header, std::size_t count);
// One more word of the game; playback says whether it is the playback's.
void noteGameWord(const char* bytes, std::size_t count, bool fromPlayback);
// Whether the game as it stands is one to keep: the player's own, with a
// score above 0, and not kept yet.
bool gameWorthKeeping();
