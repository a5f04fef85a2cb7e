// One tick of gravity: the block falls a cell or lands; a landing starts the
// next block and ends the game in a loss or a win.
#pragma once

void gameStep();
