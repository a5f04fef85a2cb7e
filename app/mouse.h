// Special keys and the mouse: second ways of giving the key commands, plus
// the view navigation and the window size keys.
#pragma once

// GLUT's special-key codes the game uses.
enum SpecialKey : int {
    KeyF1 = 1,
    KeyLeft = 100,
    KeyUp = 101,
    KeyRight = 102,
    KeyDown = 103,
    KeyHome = 106,
    KeyEnd = 107,
};

void onSpecialKey(int key, int x, int y);
// button 0 left, 1 middle, 2 right; state 0 pressed, 1 released.
void onMouseButton(int button, int state, int x, int y);
// Called while a button is held.
void onMouseDrag(int x, int y);
