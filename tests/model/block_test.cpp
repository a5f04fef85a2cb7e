// Block shapes: the table, the repaint and the one-step operations.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>
#include <vector>

#include "model/block.h"
#include "tests/support/test_support.h"

using namespace testing_support;

namespace {

using Cell = std::tuple<int, int, int>;

std::set<Cell> occupied(const Well& w) {
    std::set<Cell> cells;
    for (int x = 0; x < w.width; ++x)
        for (int y = 0; y < w.height; ++y)
            for (int z = 0; z < w.depth; ++z)
                if (w.cell(x, y, z) != 0) cells.insert({x, y, z});
    return cells;
}

// The shape of a mode moved to a zero corner, for comparing shapes.
std::set<Cell> normalised(const ModeShape& shape) {
    int mx = 99, my = 99, mz = 99;
    for (int i = 0; i < shape.count; ++i) {
        mx = std::min<int>(mx, shape.cells[i].dx);
        my = std::min<int>(my, shape.cells[i].dy);
        mz = std::min<int>(mz, shape.cells[i].dz);
    }
    std::set<Cell> cells;
    for (int i = 0; i < shape.count; ++i)
        cells.insert({shape.cells[i].dx - mx, shape.cells[i].dy - my, shape.cells[i].dz - mz});
    return cells;
}

void placeBlock(int kind, int mode, int x, int y, int z) {
    fallingBlock.kind = static_cast<int16_t>(kind);
    fallingBlock.mode = static_cast<int16_t>(mode);
    fallingBlock.x = x, fallingBlock.y = y, fallingBlock.z = z;
    resetStatus();
    fallingBlock.build();
}

class BlockTest : public ::testing::Test {
protected:
    void SetUp() override { resetGame(); }
};

}  // namespace

TEST_F(BlockTest, KindsHaveTheirModeCountsCubesAndValues) {
    const int modes[] = {3, 1, 12, 3, 12, 12, 8};
    const int cubes[] = {4, 8, 4, 16, 4, 4, 4};
    const int values[] = {2, 3, 4, 5, 6, 7, 1};
    for (int k = 0; k < KindCount; ++k) {
        EXPECT_EQ(kindTable[k].modeCount, modes[k]) << k;
        EXPECT_EQ(kindTable[k].cellValue, values[k]) << k;
        for (int m = 0; m < modes[k]; ++m) {
            const ModeShape& shape = kindTable[k].modes[m];
            EXPECT_EQ(shape.count, cubes[k]) << k << "-" << m;
            EXPECT_EQ(normalised(shape).size(), static_cast<size_t>(cubes[k])) << "repeated cell";
        }
    }
}

TEST_F(BlockTest, NoTwoModesOrKindsShareAShape) {
    std::vector<std::set<Cell>> seen;
    for (int k = 0; k < KindCount; ++k)
        for (int m = 0; m < kindTable[k].modeCount; ++m) {
            const auto shape = normalised(kindTable[k].modes[m]);
            EXPECT_EQ(std::count(seen.begin(), seen.end(), shape), 0) << k << "-" << m;
            seen.push_back(shape);
        }
    EXPECT_EQ(seen.size(), 51u);
}

TEST_F(BlockTest, EveryModePaintsExactlyItsCellsWithTheKindValue) {
    for (int k = 0; k < KindCount; ++k)
        for (int m = 0; m < kindTable[k].modeCount; ++m) {
            // Anchor so that the shape's smallest x and z are 0 and 1.
            const ModeShape& shape = kindTable[k].modes[m];
            int ax = 0, az = 1;
            for (int i = 0; i < shape.count; ++i) {
                ax = std::max(ax, -shape.cells[i].dx);
                az = std::max(az, 1 - shape.cells[i].dz);
            }
            placeBlock(k, m, ax, 10, az);
            ASSERT_EQ(getStatus(), Ok) << k << "-" << m;
            EXPECT_EQ(fallingBlock.modeCount, kindTable[k].modeCount);
            std::set<Cell> expected;
            for (int i = 0; i < shape.count; ++i)
                expected.insert(
                    {ax + shape.cells[i].dx, 10 + shape.cells[i].dy, az + shape.cells[i].dz});
            EXPECT_EQ(occupied(blockWell), expected) << k << "-" << m;
            for (const auto& [x, y, z] : expected)
                EXPECT_EQ(blockWell.cell(x, y, z), kindTable[k].cellValue);
        }
}

TEST_F(BlockTest, StartPutsEachKindAtItsStartCells) {
    const std::set<Cell> starts[KindCount] = {
        {{2, 19, 2}, {2, 19, 3}, {2, 19, 4}, {2, 19, 5}},
        {{2, 18, 2},
         {2, 18, 3},
         {2, 19, 2},
         {2, 19, 3},
         {3, 18, 2},
         {3, 18, 3},
         {3, 19, 2},
         {3, 19, 3}},
        {{2, 19, 2}, {1, 19, 2}, {3, 19, 2}, {2, 18, 2}},
        {},  // slab: x 2..3, y 17..18, z 1..4, built below
        {{2, 19, 2}, {2, 19, 3}, {2, 19, 4}, {3, 19, 4}},
        {{2, 19, 2}, {2, 19, 3}, {2, 19, 4}, {1, 19, 4}},
        {{2, 18, 1}, {2, 18, 2}, {2, 17, 2}, {2, 17, 3}},
    };
    std::set<Cell> slabStart;
    for (int x = 2; x <= 3; ++x)
        for (int y = 17; y <= 18; ++y)
            for (int z = 1; z <= 4; ++z) slabStart.insert({x, y, z});
    for (int k = 0; k < KindCount; ++k) {
        fallingBlock.mode = 5;
        resetStatus();
        startKind(k);
        EXPECT_EQ(getStatus(), Ok);
        EXPECT_EQ(fallingBlock.mode, 0);
        EXPECT_EQ(occupied(blockWell), k == slab ? slabStart : starts[k]) << k;
    }
}

TEST_F(BlockTest, BarTurnsThroughItsModesAndPokesOutPartly) {
    placeBlock(bar, 0, 2, 19, 2);
    EXPECT_EQ(occupied(blockWell),
              (std::set<Cell>{{2, 19, 2}, {2, 19, 3}, {2, 19, 4}, {2, 19, 5}}));
    fallingBlock.incM();
    EXPECT_EQ(occupied(blockWell),
              (std::set<Cell>{{2, 19, 2}, {2, 18, 2}, {2, 17, 2}, {2, 16, 2}}));
    EXPECT_EQ(getStatus(), Ok);
    fallingBlock.incM();
    EXPECT_EQ(occupied(blockWell), (std::set<Cell>{{2, 19, 2}, {3, 19, 2}}));
    EXPECT_EQ(getStatus(), OutOfWell);
    fallingBlock.incM();
    EXPECT_EQ(fallingBlock.mode, 0);
}

TEST_F(BlockTest, ShapesReachingAboveTheAnchorPokeThroughTheTop) {
    placeBlock(base3, 2, 2, 19, 2);
    EXPECT_EQ(getStatus(), OutOfWell);
    EXPECT_EQ(occupied(blockWell).size(), 3u);
    placeBlock(lh, 4, 2, 19, 2);
    EXPECT_EQ(getStatus(), OutOfWell);
    EXPECT_EQ(occupied(blockWell).size(), 1u);
}

TEST_F(BlockTest, SingleModeKindStaysInModeZero) {
    startKind(b4);
    const auto before = occupied(blockWell);
    fallingBlock.incM();
    EXPECT_EQ(fallingBlock.mode, 0);
    EXPECT_EQ(occupied(blockWell), before);
}

TEST_F(BlockTest, UnknownKindsAndModesPaintNothing) {
    startKind(lh);
    placeBlock(lh, 12, 1, 10, 2);
    EXPECT_TRUE(occupied(blockWell).empty());
    placeBlock(9, 0, 1, 10, 2);
    EXPECT_TRUE(occupied(blockWell).empty());
    EXPECT_EQ(fallingBlock.modeCount, 12) << "an unknown kind leaves the mode count";
    startKind(rh);
    fallingBlock.start(7);
    fallingBlock.start(-1);
    EXPECT_EQ(fallingBlock.kind, rh) << "a start with an unknown kind is refused";
}

TEST_F(BlockTest, OneStepMovesRepaintAtTheNewPlace) {
    startKind(bar);
    fallingBlock.decX();
    fallingBlock.decZ();
    fallingBlock.decY();
    EXPECT_EQ(occupied(blockWell),
              (std::set<Cell>{{1, 18, 1}, {1, 18, 2}, {1, 18, 3}, {1, 18, 4}}));
    fallingBlock.incX();
    fallingBlock.incZ();
    fallingBlock.incY();
    EXPECT_EQ(occupied(blockWell),
              (std::set<Cell>{{2, 19, 2}, {2, 19, 3}, {2, 19, 4}, {2, 19, 5}}));
    EXPECT_EQ(getStatus(), Ok);
}
