// The "H" placement search: moves the falling block to the lowest resting
// place, over every x, z and mode, that leaves no gap in the stack.
#pragma once

#include <cstdint>

// The placement kept between searches, reused until the board changes or
// the block sinks below it.
struct KeptPlacement {
    int32_t bestX = 0;
    int32_t bestY = 0;
    int32_t bestZ = 0;
    int16_t bestMode = 0;
};

inline KeptPlacement keptPlacement;

void placementSearch();
// The "H" command: records "HINT", then the search.
void placeByHint();
