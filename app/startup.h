// The parts of start-up that need no window: the greeting and the command
// line.
#pragma once

// Posts the eight greeting messages.
void postGreeting();
// With exactly nine numbers after the program name, sets the eye, centre and
// up vector, and the light from the first three (whole-number parts).
void applyCommandLine(int argc, char** argv);
