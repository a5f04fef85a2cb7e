// The parts of start-up that need no window: the command line, the data
// folder and the greeting.
#pragma once

#include <string>

// What the command line asks for. Any list of arguments that is not one of
// the options is the game's own: nine numbers place the camera.
struct StartOptions {
    enum Mode { Play, Help, Version, Timedemo, Scores, TidyGames, BadUsage };
    Mode mode = Play;
    std::string timedemoFile;
    // Start in the per-user data folder (as the desktop entry does).
    bool dataFolder = false;
    // The arguments after the options, the program name first.
    int argc = 0;
    char** argv = nullptr;
};

StartOptions readStartOptions(int argc, char** argv);
// The usage text of --help, and of a misused option.
extern const char usageText[];
// $XDG_DATA_HOME/zandok, or ~/.local/share/zandok; empty when neither is known.
std::string dataFolderPath();
// Creates the data folder when missing and makes it the current folder.
// When it cannot be known, made, entered or written, says why on standard
// error and returns the message line's text for it (recording is then off:
// the folder the game was started from is never written); null when the
// data folder is the current folder and can be written.
const char* enterDataFolder();

// Posts the eight greeting messages.
void postGreeting();
// With exactly nine numbers after the program name, sets the eye, centre and
// up vector, and the light from the first three (whole-number parts).
void applyCommandLine(int argc, char** argv);
