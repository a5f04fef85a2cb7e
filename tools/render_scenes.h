// The game states and the window shared by the render tools.
#pragma once

#include <string>

// A 600 x 600 GLUT window with the game's GL state, on the DISPLAY the
// calling script provides.
void openToolWindow(int argc, char** argv);
// The start view of a game in progress: a few settled layers with holes, a
// falling block in mid-air, suggestions on and the greeting on the line.
void screenshotScene();
// Every cell of the well settled: the most cubes a frame can hold.
void fullWellScene();
// The back buffer as a binary PPM, top row first; false if it cannot be written.
bool saveBackBuffer(const std::string& path);
