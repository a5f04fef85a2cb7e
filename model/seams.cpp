// Default outside effects: the calendar clock and the C library's generator.
#include "model/seams.h"

#include <cstdlib>
#include <ctime>

int64_t calendarSeconds() { return static_cast<int64_t>(std::time(nullptr)); }
int libraryRandom() { return std::rand(); }
void librarySeed(unsigned seed) { std::srand(seed); }
