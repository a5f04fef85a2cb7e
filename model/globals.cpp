// The game-wide objects of the model, defined in one file so that they are
// built in this order: the wells and the kind queue before the falling
// block, whose construction draws the first kind and paints it.
#include "model/block.h"
#include "model/message_line.h"
#include "model/reset.h"

Well settledWell(WellWidth, WellHeight, WellDepth);
Well blockWell(WellWidth, WellHeight, WellDepth);
Well displayWell(WellWidth, WellHeight, WellDepth);
Well searchWell(WellWidth, WellHeight, WellDepth);

std::deque<int16_t> kindQueue;

Block fallingBlock(blockWell);

void resetModel() {
    gameState = GameState{};
    messageLine = MessageLine{};
    for (Well* well : {&settledWell, &blockWell, &displayWell, &searchWell}) well->clear();
    kindQueue.clear();
    fallingBlock.start(bar);
}
