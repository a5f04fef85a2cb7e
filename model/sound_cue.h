// The sound cues: their ids, and when each plays. Every cue goes through
// playCue, which reads the table; the sound itself comes from the player the
// program installs (seams.cuePlayer).
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

enum class PlaysWhen { Always, SoundOn, SoundOnAndRunning };

struct CueRule {
    SoundCue id;
    PlaysWhen when;
};

constexpr int SoundCueCount = 14;
extern const CueRule cueRules[SoundCueCount];

// Plays the cue if its rule lets it play now; returns at once. Ids the
// game has no cue for are skipped.
void playCue(int id);
