// Default outside effects: the calendar clock and the C library's generator.
#include "model/seams.h"

#include <cstdlib>
#include <ctime>

namespace {
int64_t calendarSeconds() { return static_cast<int64_t>(std::time(nullptr)); }
int libraryRandom() { return std::rand(); }
void librarySeed(unsigned seed) { std::srand(seed); }
}  // namespace

namespace seams {
int64_t (*wallClock)() = calendarSeconds;
int (*randomValue)() = libraryRandom;
void (*seedRandom)(unsigned) = librarySeed;
}  // namespace seams
