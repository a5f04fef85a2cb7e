// Returning the game to its start: key p, and the two name prompts.
#pragma once

void restartGame();
