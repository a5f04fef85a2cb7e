// The falling block: shapes, spawning, moves and turns.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>

#include "model/sound_cue.h"
#include "model/block.h"
#include "model/motion.h"
#include "tests/support/test_support.h"

using namespace testing_support;

namespace {

using Cell = std::tuple<int, int, int>;

std::set<Cell> occupied(const Well& w) {
    std::set<Cell> cells;
    for (int i = 0; i < WellCells; ++i)
        if (w.cells[i] != 0) cells.insert({i % 4, i / 4 % 20, i / 80});
    return cells;
}

std::set<Cell> box(int x0, int x1, int y0, int y1, int z0, int z1) {
    std::set<Cell> cells;
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

TEST_F(BlockTest, EveryModePaintsItsOwnDistinctShape) {
    const int modes[] = {3, 1, 12, 3, 12, 12, 8}, cubes[] = {4, 8, 4, 16, 4, 4, 4};
    std::set<std::set<Cell>> shapes;
    for (int k = 0; k < KindCount; ++k)
        for (int m = 0; m < modes[k]; ++m) {
            const ModeShape& s = kindTable[k].modes[m];
            int ax = 0, az = 0;  // anchor so that the smallest x and z are 0
            for (int i = 0; i < s.count; ++i) ax = std::max(ax, -s.cells[i].dx);
            for (int i = 0; i < s.count; ++i) az = std::max(az, -s.cells[i].dz);
            place(k, m, ax, 10, az);
            const auto cells = occupied(blockWell);
            EXPECT_EQ(getStatus(), Ok) << k << "-" << m;
            EXPECT_EQ(fallingBlock.modeCount, modes[k]);
            EXPECT_EQ(cells.size(), static_cast<size_t>(cubes[k])) << k << "-" << m;
            for (const auto& [x, y, z] : cells)
                EXPECT_EQ(blockWell.cell(x, y, z), kindTable[k].cellValue);
            int minY = 20;
            for (const auto& c : cells) minY = std::min(minY, std::get<1>(c));
            std::set<Cell> shape;
            for (const auto& [x, y, z] : cells) shape.insert({x, y - minY, z});
            EXPECT_TRUE(shapes.insert(shape).second) << "shape repeated by " << k << "-" << m;
        }
}

TEST_F(BlockTest, StartCellsOfEveryKind) {
    const std::set<Cell> starts[KindCount] = {
        {{2, 19, 2}, {2, 19, 3}, {2, 19, 4}, {2, 19, 5}},
        box(2, 3, 18, 19, 2, 3),
        {{2, 19, 2}, {1, 19, 2}, {3, 19, 2}, {2, 18, 2}},
        box(2, 3, 17, 18, 1, 4),
        {{2, 19, 2}, {2, 19, 3}, {2, 19, 4}, {3, 19, 4}},
        {{2, 19, 2}, {2, 19, 3}, {2, 19, 4}, {1, 19, 4}},
        {{2, 18, 1}, {2, 18, 2}, {2, 17, 2}, {2, 17, 3}},
    };
    for (int k = 0; k < KindCount; ++k) {
        fallingBlock.mode = 5;
        gameState.boardChanged = 0;
        startKind(k);
        EXPECT_EQ(occupied(blockWell), starts[k]) << k;
        EXPECT_EQ(fallingBlock.mode, 0);
        EXPECT_EQ(getStatus(), Ok);
        EXPECT_EQ(gameState.boardChanged, 1) << "a new block makes the kept placement stale";
    }
    fallingBlock.start(7);
    fallingBlock.start(-1);
    EXPECT_EQ(fallingBlock.kind, zblk) << "unknown kinds never reach the block";
}

TEST_F(BlockTest, PartlyOutsideAndUnknownShapes) {
    place(bar, 2, 2, 19, 2);
    EXPECT_EQ(occupied(blockWell), (std::set<Cell>{{2, 19, 2}, {3, 19, 2}}));
    EXPECT_EQ(getStatus(), OutOfWell);
    place(base3, 2, 2, 19, 2);
    EXPECT_EQ(getStatus(), OutOfWell) << "reaches above the anchor";
    place(lh, 12, 1, 10, 2);
    EXPECT_TRUE(occupied(blockWell).empty());
    place(9, 0, 1, 10, 2);
    EXPECT_TRUE(occupied(blockWell).empty());
    EXPECT_EQ(fallingBlock.modeCount, 12) << "an unknown kind leaves the mode count";
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
    EXPECT_EQ(fallingBlock.kind, lh);
    EXPECT_TRUE(kindQueue.empty());
}

TEST_F(BlockTest, MovesAreRecordedSoundedAndUndoneWhenRefused) {
    fillSettled({{0, 19, 3}});
    const struct {
        Move move;
        int x, z;
    } steps[] = {{Move::MinusX, 1, 2}, {Move::MinusX, 1, 2}, {Move::PlusZ, 1, 2},
                 {Move::MinusZ, 1, 1}, {Move::PlusX, 2, 1},  {Move::PlusX, 3, 1},
                 {Move::PlusX, 3, 1}};
    for (const auto& s : steps) {
        moveBlock(s.move);
        EXPECT_EQ(fallingBlock.x, s.x);
        EXPECT_EQ(fallingBlock.z, s.z);
    }
    EXPECT_EQ(occupied(blockWell), box(3, 3, 19, 19, 1, 4)) << "repainted where it stands";
    EXPECT_EQ(recordedTokens, "decXdecXincZdecZincXincXincX");
    EXPECT_EQ(playedCues, std::vector<int>(7, CueMove));
    gameState.soundOn = 0;
    moveBlock(Move::MinusX);
    turnBlock();
    EXPECT_EQ(playedCues.size(), 7u);
}

TEST_F(BlockTest, TurnTakesTheNextModeThatFits) {
    turnBlock();
    EXPECT_EQ(fallingBlock.mode, 1);
    turnBlock();  // mode 2 pokes out of the side
    EXPECT_EQ(fallingBlock.mode, 0);
    EXPECT_EQ(getStatus(), Ok);
    EXPECT_EQ(recordedTokens, "incMincM");
    EXPECT_EQ(playedCues, (std::vector<int>{CueRotate, CueRotate}));

    startKind(lh);  // walled in: no other mode fits
    for (int i = 0; i < WellCells; ++i)
        if (i / 4 % 20 >= 16 && blockWell.cells[i] == 0) settledWell.cells[i] = SettledCube;
    turnBlock();
    EXPECT_EQ(fallingBlock.mode, 0);
    EXPECT_EQ(occupied(blockWell).size(), 4u);

    startKind(zblk);
    fallingBlock.mode = 11;  // outside zblk's cycle: the loop must still end
    turnBlock();
    EXPECT_LT(fallingBlock.mode, 8);
}
