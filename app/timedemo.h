// The game's benchmark: a recorded game played back in the real windows, one
// token per idle pass as always, silently and unrecorded, then its frame rate
// printed.
#pragma once

#include <string>

// Loads the recorded game, or says on standard error why it cannot be read
// and returns false.
bool loadTimedemo(const std::string& file);
// Once both windows exist: starts the playback and takes over the idle pass.
// When the playback ends, "frames N seconds S fps F" goes to standard output
// (the game window's frames from the first idle pass on), "panel frames N" to
// standard error, and the process ends with status 0; with 3 when the
// playback stopped at a damaged token (standard error says where), 4 when
// the figures cannot be written. With ZANDOK_HIDE_PANEL
// set, the control panel is hidden (to measure what it costs).
void startTimedemo();
