// The "H" placement search: moves the falling block to the lowest resting
// place, over every x, z and mode, that leaves no gap in the stack.
#pragma once

#include <cstdint>

// The kept placement, reused until the board changes or the block sinks
// below it.
extern int32_t bestX;
extern int32_t bestY;
extern int32_t bestZ;
extern int16_t bestMode;

void placementSearch();
