// When each cue plays: most only with sound on, a few always.
#include "model/sound_cue.h"

#include <iterator>

#include "model/game_state.h"
#include "model/seams.h"

constexpr CueRule cueRules[] = {
    {CueLand, PlaysWhen::SoundOnAndRunning},
    {CueCheat, PlaysWhen::SoundOn},
    {CueWin, PlaysWhen::SoundOn},
    {CueGameOver, PlaysWhen::SoundOn},
    {CueRestart, PlaysWhen::SoundOn},
    {CueLevelUp, PlaysWhen::Always},
    {CueLoadReplay, PlaysWhen::SoundOn},
    {CueRotate, PlaysWhen::SoundOn},
    {CueMove, PlaysWhen::SoundOn},
    {CuePause, PlaysWhen::SoundOn},
    {CueSaveReplay, PlaysWhen::SoundOn},
    {CueView, PlaysWhen::SoundOn},
    {CueHints, PlaysWhen::Always},
    {CueStart, PlaysWhen::Always},
};

static_assert(std::size(cueRules) == SoundCueCount, "one rule per cue");

namespace {
bool mayPlay(PlaysWhen when) {
    switch (when) {
        case PlaysWhen::Always:
            return true;
        case PlaysWhen::SoundOn:
            return gameState.soundOn != 0;
        case PlaysWhen::SoundOnAndRunning:
            return gameState.soundOn != 0 && gameState.gameRunning != 0;
    }
    return false;
}
}  // namespace

void playCue(int id) {
    for (const CueRule& rule : cueRules)
        if (rule.id == id) {
            if (mayPlay(rule.when) && seams.cuePlayer) seams.cuePlayer(id);
            return;
        }
}
