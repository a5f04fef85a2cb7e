// Ending promptly when the display or one of the game's windows goes away
// (destroyed from outside, its client killed, the X server gone), instead of
// letting Xlib's default handlers exit into a deadlock.
#pragma once

// Installs the X error handlers; after glutInit.
void watchForLostDisplay();
// Checks the current window every quarter second; after each window is made.
void watchCurrentWindow();
