// The game window's frames: counted (the timedemo reports them), the start
// cue played once the first one shows, and the time of the first one told on
// request (tools/first_frame.sh).
#pragma once

// Frames the game window has drawn so far.
extern long gameFramesDrawn;

// Plays this cue just after the game window's first frame, so that the sound
// device opens while the game already shows.
void playCueAfterFirstFrame(int id);

// The game window's display callback: the frame, its swap, the count. With
// ZANDOK_FIRST_SWAP_EXIT set, the first swap prints "first swap" and the wall
// clock in microseconds since the epoch on standard error, and the process
// then ends.
void drawGameFrame();
