// The outside effects the game logic needs, behind plain function pointers:
// the wall clock and the random source (with working defaults), and the two
// outlets the program installs, the sound player and the recording. Tests
// put in their own.
#pragma once

#include <cstddef>
#include <cstdint>

// The defaults: the calendar clock and the C library's generator.
int64_t calendarSeconds();
int libraryRandom();
void librarySeed(unsigned seed);

struct Seams {
    // Calendar time in whole seconds.
    int64_t (*wallClock)() = calendarSeconds;
    // Values 0..32767 or more, like rand(); only the value mod a total matters.
    int (*randomValue)() = libraryRandom;
    void (*seedRandom)(unsigned seed) = librarySeed;
    // Starts a sound cue and returns at once; none: the game is silent.
    void (*cuePlayer)(int id) = nullptr;
    // Takes the bytes of one recording token; none: nothing is recorded.
    void (*tokenWriter)(const char* bytes, std::size_t count) = nullptr;
};

inline Seams seams;

inline int64_t nowSeconds() { return seams.wallClock(); }
