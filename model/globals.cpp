// The game-wide objects of the model, defined in one file so that they are
// built in this order: the wells and the kind queue before the falling
// block, whose construction draws the first kind and paints it.
#include "model/block.h"
#include "model/seams.h"

Well settledWell(WellWidth, WellHeight, WellDepth);
Well blockWell(WellWidth, WellHeight, WellDepth);
Well displayWell(WellWidth, WellHeight, WellDepth);
Well searchWell(WellWidth, WellHeight, WellDepth);

std::deque<int16_t> kindQueue;

Block fallingBlock(blockWell);

namespace {
// The first idle pass makes the first gravity step at once.
const bool fallTimeSet = (GameState::nextFallTime = nowSeconds(), true);
}  // namespace
