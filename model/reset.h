// Putting the model back to how a run starts, for tests and tools; the game
// itself only ever restarts (restartGame).
#pragma once

// The game state and the message line to their start values, every well
// empty, no kind queued, and a bar as the falling block, so that what
// follows is repeatable. The seams are left as they are.
void resetModel();
