// Player moves of the falling block, judged after the fact by the fit test.
#include "model/motion.h"

#include "model/block.h"
#include "model/recording.h"
#include "model/sound_cue.h"

namespace {

struct MoveRule {
    Word word;
    void (Block::*apply)();
    void (Block::*undo)();
};

const MoveRule moveRules[] = {
    {Word::IncX, &Block::incX, &Block::decX},
    {Word::DecX, &Block::decX, &Block::incX},
    {Word::IncZ, &Block::incZ, &Block::decZ},
    {Word::DecZ, &Block::decZ, &Block::incZ},
};

}  // namespace

void testBlockFit() { displayWell.collides(settledWell, blockWell); }

void moveBlock(Move move) {
    const MoveRule& rule = moveRules[static_cast<int>(move)];
    resetStatus();
    recordWord(rule.word);
    (fallingBlock.*rule.apply)();
    playCue(CueMove);
    testBlockFit();
    if (statusFailed()) (fallingBlock.*rule.undo)();
}

void turnBlock() {
    recordWord(Word::Turn);
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
