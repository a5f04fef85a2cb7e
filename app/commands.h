// The keyboard: the one entry of every command. The special keys, the mouse
// and playback all come through here with the character of a key.
#pragma once

#include <string>

// GLUT's keyboard callback: an open prompt takes the key, otherwise it is a
// command. x and y are not used.
void onKey(unsigned char key, int x, int y);
// The command of one key, as if no prompt were open.
void runCommand(unsigned char key);
// Every key the command table knows, once each, in the table's order.
std::string commandKeys();
