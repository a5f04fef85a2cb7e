// Playing a recorded game back: one token performed per step, through the
// same moves and game step that recorded it, and recorded again as read.
#pragma once

// Restarts the game and plays the loaded file from its start, silently.
void beginReplay();
// Performs the next token, or ends the playback at the end of the file or
// at a token whose kind is damaged.
void replayStep();
