// Player moves of the falling block, judged after the fact by the fit test.
#include "model/motion.h"

#include "model/block.h"
#include "model/recording.h"
#include "model/sound_cue.h"

namespace {

struct MoveRule {
    const char* word;
    void (Block::*apply)();
    void (Block::*undo)();
};

const MoveRule moveRules[] = {
    {"incX", &Block::incX, &Block::decX},
    {"decX", &Block::decX, &Block::incX},
    {"incZ", &Block::incZ, &Block::decZ},
    {"decZ", &Block::decZ, &Block::incZ},
};

}  // namespace

void testBlockFit() { displayWell.collides(settledWell, blockWell); }

void moveBlock(Move move) {
    const MoveRule& rule = moveRules[static_cast<int>(move)];
    resetStatus();
    recordAction(rule.word);
    (fallingBlock.*rule.apply)();
    playCue(CueMove);
    testBlockFit();
    if (statusFailed()) (fallingBlock.*rule.undo)();
}

void turnBlock() {
    recordAction("incM");
    playCue(CueRotate);
    const int16_t startMode = fallingBlock.mode;
    // Bounded by the mode count so that a mode outside the cycle cannot
    // keep the loop going.
    for (int32_t tries = 0; tries < fallingBlock.modeCount || tries == 0; ++tries) {
        resetStatus();
        fallingBlock.incM();
        testBlockFit();
        if (!statusFailed() || fallingBlock.mode == startMode) break;
    }
}
