// What a kept game proves: the row its recording replays to with the
// model's own playback.
#pragma once

#include <cstdint>
#include <string>

struct KeptRow {
    int32_t score = 0;
    int32_t level = 0;
    int32_t blocks = 0;    // the blocks that came into the well
    bool damaged = false;  // playback stopped at a damaged word
};

// Plays the recording in bytes to its end, as the replay player does. It
// takes the whole model and closes the recording: only for a process that
// plays nothing else (zandok --scores, the tidying after a game is kept).
KeptRow replayToRow(const std::string& bytes);
