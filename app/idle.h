// The clock of the game: gravity by the wall clock, or one replay token per
// pass, with the panel kept in step and a new frame every pass. While no
// window shows, nobody watches the frames: the game sleeps between hidden
// passes, which keep only what the clock changes.
#pragma once

#include <cstdint>

void onIdle();

// The pass made while neither window shows: gravity falls and the message
// line moves on at the seconds they would if frames were drawn, so the
// recording and the picture shown again are those of a watched game; a
// playback, made to be watched, waits on the word it reached.
void onHiddenIdle();

// How long the idle pass may sleep before its next pass, at this time of the
// wall clock: none while a window shows (0); while none does, until the next
// second at which the clock changes the game (a gravity step, the message
// line), at least 1 ms, or until an event when the clock changes nothing.
constexpr int64_t sleepUntilEvent = -1;
int64_t idleSleepMilliseconds(bool windowShown, int64_t nowMilliseconds);
