// The window-system calls the commands make, behind plain function pointers:
// the GLUT program installs the real ones, the game logic runs without a
// display on the defaults (which do nothing, except the process exit).
#pragma once

namespace windowSeam {

// Asks for a new frame of the current window.
extern void (*redisplay)();
// Rebuilds the projection from the view settings.
extern void (*setProjection)();
extern void (*fullScreen)();
extern void (*reshapeWindow)(int width, int height);
extern void (*positionWindow)(int x, int y);
// Brings the control panel's controls up to date with their variables.
extern void (*syncPanel)();
// Makes the game window the current window.
extern void (*makeGameWindowCurrent)();
// Ends the process.
extern void (*exitProcess)(int status);

// Back to the defaults.
void reset();

}  // namespace windowSeam
