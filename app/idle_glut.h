// The idle passes run by GLUT's loop, which sleeps while no window shows.
#pragma once

// Runs this pass whenever GLUT is idle while a window shows; while none
// does, the hidden pass runs at the seconds the clock changes the game, and
// GLUT's loop sleeps in between, waking for events.
void runIdlePasses(void (*pass)());
// Follows whether the current GLUT window shows (mapped and not fully
// covered).
void followVisibility();
