// The gap-filling cheat: one fill pass over the settled stack per use.
#include "model/cheat.h"

#include "model/block.h"
#include "model/message_line.h"
#include "model/recording.h"
#include "model/sound_cue.h"

void cheatCommand() {
    playCue(CueCheat);
    if (gameState.cheatsLeft <= 0) {
        showUrgentMessage("Sorry, you cheated too much!", 2);
        return;
    }
    settledWell.fillGaps();
    recordWord(Word::Cheat);
    showUrgentMessage("OMG! You are such a cheater.  All holes are now filled", 2);
    gameState.useCheat();
}
