// Returning the game to its start: key p and the two name prompts restart
// the game; tests and tools put the whole program back to how it starts.
#pragma once

// A fresh game in the same view, recorded from its header.
void restartGame();
// Every game-wide value of the program to its start value (the model with
// a bar falling, the kept placement, view, input, window seam), no replay
// loaded and no recording open. The sound and recording outlets and the
// clock are left as they are.
void resetShell();
