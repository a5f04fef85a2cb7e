// The GLUT side of the shell: the game window, its callbacks and the window
// seam's real calls.
#pragma once

// The game window's id, as GLUT returned it.
extern int mainWindow;

// Creates the game window: 600 x 600 at (40, 40), double-buffered RGB with
// depth, and registers its callbacks.
void createGameWindow();
// Installs the GLUT calls behind the window seam.
void installWindowSeam();
