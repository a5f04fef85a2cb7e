// The format and length every cue's clip is known by, shared by the sound
// tests.
#pragma once

#include "app/sound_cue.h"

struct CueFormat {
    int id;
    int channels;
    int rate;
    double seconds;
};

inline constexpr CueFormat cueFormats[] = {
    {CueLand, 2, 44100, 1.17},       {CueCheat, 1, 22050, 3.23},      {CueWin, 1, 22050, 2.83},
    {CueGameOver, 1, 22050, 2.58},   {CueRestart, 1, 22050, 4.02},    {CueLevelUp, 1, 22050, 3.19},
    {CueLoadReplay, 1, 22050, 5.39}, {CueRotate, 2, 44100, 1.68},     {CueMove, 1, 22050, 0.08},
    {CuePause, 1, 22050, 3.44},      {CueSaveReplay, 1, 22050, 5.46}, {CueView, 1, 22050, 2.06},
    {CueHints, 1, 22050, 1.61},      {CueStart, 1, 22050, 9.90},
};
