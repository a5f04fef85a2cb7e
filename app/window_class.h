// The class the desktop knows the game's windows by.
#pragma once

// Gives the current GLUT window the class "zandok" (WM_CLASS), with this
// instance name, so that a taskbar groups both windows and a launcher ties
// the menu entry (StartupWMClass) to the running game.
void nameWindowClass(const char* instance);
