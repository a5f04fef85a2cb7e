// The falling block: shapes, spawning, moves and turns.
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

Cells box(int x0, int x1, int y0, int y1, int z0, int z1) {
    Cells cells;
    for (int x = x0; x <= x1; ++x)
        for (int y = y0; y <= y1; ++y)
            for (int z = z0; z <= z1; ++z) cells.insert({x, y, z});
    return cells;
}

void place(int kind, int mode, int x, int y, int z) {
    fallingBlock.kind = static_cast<int16_t>(kind), fallingBlock.mode = static_cast<int16_t>(mode);
    fallingBlock.x = x, fallingBlock.y = y, fallingBlock.z = z;
    resetStatus();
    fallingBlock.build();
}

using BlockTest = FreshGame;

}  // namespace

TEST_F(BlockTest, EveryModePaintsItsOwnDistinctShapeAndNothingOutsideTheWell) {
    std::set<Cells> shapes;
    for (int k = 0; k < KindCount; ++k)
        for (int m = 0; m < kindTable[k].modeCount; ++m) {
            // Anchored so that the smallest x and z are 0, and moved to y = 0.
            int ax = 0, az = 0, minY = 20;
            for (const CellOffset& c : kindTable[k].modes[m].cells)
                ax = std::max(ax, -c.dx), az = std::max(az, -c.dz);
            place(k, m, ax, 10, az);
            Cells shape;
            for (const auto& [x, y, z] : occupied(blockWell)) minY = std::min(minY, y);
            for (const auto& [x, y, z] : occupied(blockWell)) {
                shape.insert({x, y - minY, z});
                EXPECT_EQ(blockWell.cell(x, y, z), kindTable[k].cellValue);
            }
            EXPECT_EQ(getStatus(), Ok) << k << "-" << m;
            EXPECT_TRUE(shapes.insert(shape).second) << "shape repeated by " << k << "-" << m;
        }
    place(bar, 2, 2, 19, 2);  // half out of the side
    EXPECT_EQ(std::tuple(occupied(blockWell), getStatus()),
              std::tuple(Cells{{2, 19, 2}, {3, 19, 2}}, OutOfWell));
    place(base3, 2, 2, 19, 2);  // reaches above the anchor
    EXPECT_EQ(getStatus(), OutOfWell);
    place(lh, 12, 1, 10, 2);  // no such mode, and no such kind: nothing painted
    EXPECT_TRUE(occupied(blockWell).empty());
    place(9, 0, 1, 10, 2);
    EXPECT_TRUE(occupied(blockWell).empty());
}

TEST_F(BlockTest, StartsAtTheTopCentredAndLoweredForTheTallKinds) {
    for (int k = 0; k < KindCount; ++k) {
        fallingBlock.mode = 5;
        gameState.boardChanged = 0;
        startKind(k);
        // Slab and zblk start a cell lower and nearer; a new block makes the
        // kept placement stale.
        const int lift = k == slab || k == zblk ? 2 : 1;
        EXPECT_EQ(std::tuple(fallingBlock.x, fallingBlock.y, fallingBlock.z, fallingBlock.mode,
                             getStatus(), gameState.boardChanged),
                  std::tuple(2, 20 - lift, 3 - lift, 0, Ok, 1))
            << k;
    }
    EXPECT_EQ(occupied(blockWell), (Cells{{2, 18, 1}, {2, 18, 2}, {2, 17, 2}, {2, 17, 3}}));
    fallingBlock.start(7);
    fallingBlock.start(-1);
    EXPECT_EQ(fallingBlock.kind, zblk) << "unknown kinds never reach the block";
}

TEST_F(BlockTest, WeightedPickBuckets) {
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
    EXPECT_TRUE(std::equal(six, six + KindCount, seven));
    EXPECT_EQ(six[bar], 2);
    gameState.level = 5;
    scriptRandom({35});  // lh at level 5, b4 at level 0
    fallingBlock.next();
    EXPECT_EQ(std::tuple(fallingBlock.kind, kindQueue.empty()), std::tuple(lh, true));
}

TEST_F(BlockTest, MovesAreRecordedSoundedAndUndoneWhenRefused) {
    fillSettled({{0, 19, 3}});
    const Move moves[] = {Move::MinusX, Move::MinusX, Move::PlusZ, Move::MinusZ,
                          Move::PlusX,  Move::PlusX,  Move::PlusX};
    const int places[][2] = {{1, 2}, {1, 2}, {1, 2}, {1, 1}, {2, 1}, {3, 1}, {3, 1}};  // x, z
    for (int i = 0; i < 7; ++i) {
        moveBlock(moves[i]);
        EXPECT_EQ(std::tuple(fallingBlock.x, fallingBlock.z),
                  std::tuple(places[i][0], places[i][1]));
    }
    // Recorded and sounded also when refused, and repainted where it stands.
    EXPECT_EQ(std::tuple(occupied(blockWell), recordedTokens, playedCues),
              std::tuple(box(3, 3, 19, 19, 1, 4), "decXdecXincZdecZincXincXincX",
                         std::vector<int>(7, CueMove)));
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

    startKind(zblk);
    fallingBlock.mode = 11;  // outside zblk's cycle: the loop must still end
    turnBlock();
    EXPECT_LT(fallingBlock.mode, 8);
}
