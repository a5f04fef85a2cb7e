// Sound cue ids and the one entry point that plays them. The player behind
// playCue is a seam: the game installs the audio backend, tests a recorder.
#pragma once

enum SoundCue : int {
    CueLand = 104,
    CueCheat = 107,
    CueWin = 108,
    CueGameOver = 109,
    CueRestart = 110,
    CueLevelUp = 111,
    CueLoadReplay = 112,
    CueRotate = 113,
    CueMove = 114,
    CuePause = 115,
    CueSaveReplay = 116,
    CueView = 117,
    CueHints = 118,
    CueStart = 119,
};

// Starts the cue and returns at once; unknown ids and missing audio are
// skipped silently.
void playCue(int id);

// The installed player; null plays nothing.
extern void (*cuePlayer)(int id);
