// The falling block: spawning, moves and turns.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>

#include "model/block.h"
#include "model/motion.h"
#include "model/sound_cue.h"
#include "tests/support/test_support.h"

using namespace testing_support;

namespace {

using Cell = std::tuple<int, int, int>;
using Cells = std::set<Cell>;

Cells occupied(const Well& w) {
    Cells cells;
    for (int i = 0; i < WellCells; ++i)
        if (w.cells[i] != 0) cells.insert({i % 4, i / 4 % 20, i / 80});
    return cells;
}

using BlockTest = FreshGame;

}  // namespace

TEST_F(BlockTest, KindsAreDrawnByTheLevelsWeightsAndStartAtTheTop) {
    // Last draw of each kind's bucket at levels 0 and 5; level 7 uses level 6.
    const int last[2][KindCount] = {{19, 44, 49, 54, 59, 64, 69}, {4, 14, 29, 34, 54, 74, 89}};
    for (int row = 0; row < 2; ++row) {
        int32_t w[KindCount];
        kindWeights(row * 5, w);
        for (int k = 0, first = 0; k < KindCount; first = last[row][k++] + 1)
            for (int r : {first, last[row][k]}) {
                scriptRandom({r});
                EXPECT_EQ(Block::weightedPick(w), k) << "level " << row * 5 << " r " << r;
            }
    }
    int32_t six[KindCount], seven[KindCount];
    kindWeights(6, six), kindWeights(7, seven);
    EXPECT_TRUE(std::equal(six, six + KindCount, seven) && six[bar] == 2);
    // The next block: zblk by level 5's weights (bar by level 0's), at the top
    // in the middle, a cell lower and nearer as a tall kind, in mode 0, and
    // the kept placement stale; unknown kinds never reach the block.
    gameState.level = 5, gameState.boardChanged = 0, fallingBlock.mode = 5;
    scriptRandom({80});
    fallingBlock.next();
    fallingBlock.start(7), fallingBlock.start(-1);
    EXPECT_EQ(std::tuple(fallingBlock.kind, fallingBlock.x, fallingBlock.y, fallingBlock.z,
                         fallingBlock.mode, gameState.boardChanged, kindQueue.empty(),
                         occupied(blockWell)),
              std::tuple(zblk, 2, 18, 1, 0, 1, true,
                         Cells{{2, 18, 1}, {2, 18, 2}, {2, 17, 2}, {2, 17, 3}}));
}

TEST_F(BlockTest, MovesAreRecordedSoundedAndUndoneWhenRefused) {
    fillSettled({{0, 19, 3}});
    std::string places;  // x and z (as 10x + z) after each move
    for (Move m : {Move::MinusX, Move::MinusX, Move::PlusZ, Move::MinusZ, Move::PlusX, Move::PlusX,
                   Move::PlusX})
        moveBlock(m), places += std::to_string(fallingBlock.x * 10 + fallingBlock.z) + " ";
    // Recorded and sounded also when refused, and repainted where it stands.
    EXPECT_EQ(
        std::tuple(places, occupied(blockWell), recordedTokens, playedCues),
        std::tuple("12 12 12 11 21 31 31 ", Cells{{3, 19, 1}, {3, 19, 2}, {3, 19, 3}, {3, 19, 4}},
                   "decXdecXincZdecZincXincXincX", std::vector<int>(7, CueMove)));
}

TEST_F(BlockTest, TurnTakesTheNextModeThatFits) {
    turnBlock();
    EXPECT_EQ(fallingBlock.mode, 1);
    turnBlock();  // mode 2 pokes out of the side
    EXPECT_EQ(std::tuple(fallingBlock.mode, getStatus()), std::tuple(0, Ok));

    startKind(lh);  // walled in: no other mode fits
    for (int i = 0; i < WellCells; ++i)
        if (i / 4 % 20 >= 16 && blockWell.cells[i] == 0) settledWell.cells[i] = SettledCube;
    turnBlock();
    EXPECT_EQ(std::tuple(fallingBlock.mode, occupied(blockWell).size()), std::tuple(0, 4u));
}
