// SIGTERM, SIGHUP and SIGINT end the game through exit(), as quitting does,
// so that the game being played is kept.
#pragma once

// Installs the handlers (only for signals nobody handles yet).
void quitOnSignals();
