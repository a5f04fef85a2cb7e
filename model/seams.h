// The outside effects the game logic needs, behind plain function pointers
// so that tests can replace them: the wall clock and the random source.
#pragma once

#include <cstdint>

namespace seams {

// Calendar time in whole seconds.
extern int64_t (*wallClock)();
// Values 0..32767, like rand().
extern int (*randomValue)();
// Seeds randomValue's generator.
extern void (*seedRandom)(unsigned seed);

}  // namespace seams

inline int64_t nowSeconds() { return seams::wallClock(); }
