// The gap-filling cheat: one fill pass over the settled stack per use.
#include "model/cheat.h"

#include "app/replay_log.h"
#include "app/sound_cue.h"
#include "model/block.h"
#include "render/message_line.h"

void cheatCommand() {
    if (GameState::soundOn) playCue(CueCheat);
    if (GameState::cheatsLeft <= 0) {
        showUrgentMessage("Sorry, you cheated too much!", 2);
        return;
    }
    settledWell.fillGaps();
    recordAction("ngap");
    showUrgentMessage("OMG! You are such a cheater.  All holes are now filled", 2);
    GameState::useCheat();
}
