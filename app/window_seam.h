// The window-system calls the commands make, behind plain function pointers:
// the GLUT program installs the real ones; without a display the defaults
// do nothing, except the process exit.
#pragma once

#include <cstdlib>

struct WindowSeam {
    // Asks for a new frame of the game window.
    void (*redisplay)() = [] {};
    // Rebuilds the projection from the view settings.
    void (*setProjection)() = [] {};
    void (*fullScreen)() = [] {};
    void (*reshapeWindow)(int width, int height) = [](int, int) {};
    void (*positionWindow)(int x, int y) = [](int, int) {};
    // Brings the control panel's controls up to date with their variables.
    void (*syncPanel)() = [] {};
    // Makes the game window the current window.
    void (*makeGameWindowCurrent)() = [] {};
    // Ends the process: the game installs the one normal end
    // (app/process_end.h).
    void (*exitProcess)(int status) = [](int status) { std::exit(status); };
};

inline WindowSeam windowSeam;
