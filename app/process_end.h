// How the process ends. The one normal end is endNormally: the quit prompt,
// Esc, the panel's Quit button, the timedemo's end and the signals that ask
// the game to end all come to it (through windowSeam.exitProcess), and
// closing a window reaches the same std::exit through GLUT. std::exit then
// runs the atexit work, latest registered first: the recording drops a
// playback's copy that was not kept (app/recording.cpp) and the sound player
// lets its device go (app/sound_sdl.cpp). Work that must happen whenever a
// game ends normally is registered with std::atexit, or called here. Only
// a lost display ends otherwise (app/lost_display.cpp).
#pragma once

// The normal end, with status.
[[noreturn]] void endNormally(int status);

// A write that fails (a reader gone, a file-size limit reached) returns an
// error, which the writer reports, instead of killing the process.
void ignoreWriteSignals();
// SIGTERM, SIGHUP and SIGINT ask for the normal end, which the next idle
// pass makes; a second one while the first is pending ends the process at
// once, as the signal's default would.
void catchEndSignals();
// True once an end signal came.
bool endRequested();
