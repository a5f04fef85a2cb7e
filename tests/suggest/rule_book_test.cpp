// The suggestion rule book: texts, painted cells, the scan order, and small
// stacks that each rule with a special condition (and one plain rule of each
// family) must take or refuse at a given corner.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <initializer_list>
#include <string>

#include "model/block.h"
#include "suggest/rule_book.h"
#include "suggest/rule_table.h"
#include "tests/support/test_support.h"

using namespace testing_support;

namespace {

using Cells = std::initializer_list<std::array<int, 3>>;

class RuleBookTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetGame();
        GameState::hintsOn = 1;
    }

    // Runs the book as a frame does, for the falling block in this mode.
    static std::string frame(int kind, int mode) {
        fallingBlock.kind = static_cast<int16_t>(kind);
        fallingBlock.mode = static_cast<int16_t>(mode);
        displayWell.clear();
        blankHintText();
        runRuleBook();
        return hintText;
    }

    // Whether the rule takes the corner on a stack of just these cubes.
    static bool takes(int kind, int mode, Cells cubes, int x, int y, int z) {
        settledWell.clear();
        for (const auto& c : cubes) settledWell.setCell(c[0], c[1], c[2], SettledCube);
        return ruleAccepts(*ruleFor(kind, mode), settledWell, x, y, z);
    }
};

const std::string blankLine(42, ' ');

int paintedCount() {
    int n = 0;
    for (int i = 0; i < WellCells; ++i) n += displayWell.cells[i] != 0;
    return n;
}

}  // namespace

TEST_F(RuleBookTest, EmptyWellLyingBarAcrossTheWidthAtTheCorner) {
    EXPECT_EQ(frame(bar, 2), "Suggestion: x=0; y=0; z=0 (bar-2).");
    for (int x = 0; x < 4; ++x) EXPECT_EQ(displayWell.cell(x, 0, 0), 5);
    EXPECT_EQ(paintedCount(), 4);
}

TEST_F(RuleBookTest, EmptyWellStandingBarAndCubeUseTheTwoCornerWalls) {
    EXPECT_EQ(frame(bar, 1), "Suggestion: x=0; y=0; z=0 (bar-1).");
    for (int y = 0; y < 4; ++y) EXPECT_EQ(displayWell.cell(0, y, 0), 5);
    EXPECT_EQ(paintedCount(), 4);
    EXPECT_EQ(frame(b4, 0), "Suggestion: x=0; y=0; z=0 (b4-0).");
    for (int i = 0; i < 8; ++i) EXPECT_EQ(displayWell.cell(i & 1, (i >> 1) & 1, i >> 2), 6);
    EXPECT_EQ(paintedCount(), 8);
}

TEST_F(RuleBookTest, EmptyWellHasNoPlaceForRulesThatNeedACubeBeside) {
    EXPECT_EQ(frame(base3, 0), "No suggestion for this block & mode! (base3-0)");
    EXPECT_EQ(paintedCount(), 0);
    EXPECT_EQ(frame(zblk, 3), "No suggestion for this block & mode! (zblk-3)");
    EXPECT_EQ(paintedCount(), 0);
    // The longest text of the book, with room to spare.
    EXPECT_EQ(frame(base3, 10), "No suggestion for this block & mode! (base3-10)");
    EXPECT_EQ(std::strlen(hintText), 47u);
}

TEST_F(RuleBookTest, EachFamilyPaintsInItsOwnColour) {
    struct Case {
        int kind, mode;
        Cells cubes;
        int colour, cells;
    };
    const Case cases[] = {
        {bar, 2, {}, 5, 4}, {b4, 0, {}, 6, 8}, {base3, 2, {{2, 1, 0}}, 6, 4},
        {lh, 6, {}, 2, 4},  {rh, 7, {}, 3, 4}, {zblk, 3, {{1, 0, 0}}, 4, 4},
    };
    for (const Case& c : cases) {
        settledWell.clear();
        fillSettled(c.cubes);
        const std::string name =
            std::string(hintFamilies[c.kind].label) + "-" + std::to_string(c.mode);
        EXPECT_EQ(frame(c.kind, c.mode), "Suggestion: x=0; y=0; z=0 (" + name + ").");
        EXPECT_EQ(paintedCount(), c.cells) << name;
        for (int i = 0; i < WellCells; ++i)
            if (displayWell.cells[i] != 0) {
                EXPECT_EQ(displayWell.cells[i], c.colour) << name;
            }
    }
}

TEST_F(RuleBookTest, SlabUnknownKindsAndModesLeaveTheLineBlank) {
    const int cases[][2] = {{slab, 0}, {slab, 2}, {7, 0}, {-1, 0}, {bar, 3}, {zblk, 8}, {lh, -1}};
    for (const auto& c : cases) {
        EXPECT_EQ(frame(c[0], c[1]), blankLine) << c[0] << "-" << c[1];
        EXPECT_EQ(paintedCount(), 0);
    }
}

TEST_F(RuleBookTest, NothingUnlessHintsAreOn) {
    for (int flag : {0, 2}) {
        GameState::hintsOn = flag;
        EXPECT_EQ(frame(bar, 2), blankLine);
        EXPECT_EQ(paintedCount(), 0);
    }
}

TEST_F(RuleBookTest, TheBookOnlyReadsTheStackAndTheBlock) {
    fillSettled({{0, 0, 0}, {3, 0, 5}});
    startKind(bar);
    fallingBlock.mode = 2;
    fallingBlock.build();
    const int32_t x = fallingBlock.x, y = fallingBlock.y, z = fallingBlock.z;
    setStatus(Collision);
    displayWell.clear();
    blankHintText();
    runRuleBook();
    EXPECT_EQ(std::string(hintText), "Suggestion: x=0; y=0; z=1 (bar-2).");
    EXPECT_EQ(getStatus(), Collision);
    EXPECT_EQ(fallingBlock.x, x);
    EXPECT_EQ(fallingBlock.y, y);
    EXPECT_EQ(fallingBlock.z, z);
    EXPECT_EQ(fallingBlock.mode, 2);
    EXPECT_EQ(settledWell.cell(0, 0, 0), SettledCube);
    EXPECT_EQ(settledWell.cell(3, 0, 5), SettledCube);
    resetStatus();
    int n = 0;
    for (int i = 0; i < WellCells; ++i) n += settledWell.cells[i] != 0;
    EXPECT_EQ(n, 2);
}

TEST_F(RuleBookTest, TheSmallestXWinsOverTheLowestPlace) {
    // zblk-3 can sit on the floor at x = 1 (cube at (2, 0, 2) beside it) and
    // high up at x = 0 (on (0, 9, 2) with (1, 10, 2) beside it).
    fillSettled({{2, 0, 2}, {0, 9, 2}, {1, 10, 2}});
    EXPECT_TRUE(ruleAccepts(*ruleFor(zblk, 3), settledWell, 1, 0, 2));
    EXPECT_EQ(frame(zblk, 3), "Suggestion: x=0; y=10; z=2 (zblk-3).");
    EXPECT_EQ(displayWell.cell(0, 10, 2), 4);
    EXPECT_EQ(displayWell.cell(1, 12, 2), 4);
}

TEST_F(RuleBookTest, CornersWhereTheShapeLeavesTheWellAreNeverTaken) {
    EXPECT_FALSE(takes(bar, 2, {}, 1, 0, 0));
    EXPECT_FALSE(takes(b4, 0, {}, 3, 0, 0));
    EXPECT_FALSE(takes(bar, 1, {}, 0, 17, 0));
    EXPECT_FALSE(takes(bar, 0, {}, 0, 0, -1));
    EXPECT_TRUE(takes(bar, 1, {}, 0, 0, 0));
}

TEST_F(RuleBookTest, LyingBarAlongZ) {
    EXPECT_FALSE(takes(bar, 0, {}, 1, 0, 1));
    EXPECT_TRUE(takes(bar, 0, {{1, 0, 0}, {1, 0, 5}}, 1, 0, 1));  // both ends
    EXPECT_FALSE(takes(bar, 0, {{1, 0, 0}}, 1, 0, 1));
    EXPECT_TRUE(takes(bar, 0, {{1, 0, 4}}, 1, 0, 0));  // the wall is the other end
    EXPECT_TRUE(takes(bar, 0, {{2, 0, 1}, {2, 0, 2}, {2, 0, 3}, {2, 0, 4}}, 1, 0, 1));
    EXPECT_FALSE(takes(bar, 0, {{2, 0, 1}, {2, 0, 2}, {2, 0, 3}}, 1, 0, 1));
    EXPECT_TRUE(takes(bar, 0, {{0, 0, 1}, {0, 0, 2}, {0, 0, 3}, {0, 0, 4}}, 1, 0, 1));
    EXPECT_TRUE(takes(bar, 0, {}, 0, 0, 2));  // the -x wall is a whole side
    // Raised, it needs all four cells under it.
    EXPECT_TRUE(takes(bar, 0, {{0, 0, 1}, {0, 0, 2}, {0, 0, 3}, {0, 0, 4}}, 0, 1, 1));
    EXPECT_FALSE(takes(bar, 0, {{0, 0, 1}, {0, 0, 2}, {0, 0, 4}}, 0, 1, 1));
}

TEST_F(RuleBookTest, StandingBarNeedsTwoFullSideColumns) {
    const Cells minusXAndPlusZ = {{0, 0, 1}, {0, 1, 1}, {0, 2, 1}, {0, 3, 1},
                                  {1, 0, 2}, {1, 1, 2}, {1, 2, 2}, {1, 3, 2}};
    EXPECT_TRUE(takes(bar, 1, minusXAndPlusZ, 1, 0, 1));
    EXPECT_FALSE(
        takes(bar, 1, {{0, 0, 1}, {0, 1, 1}, {0, 2, 1}, {0, 3, 1}, {1, 0, 2}, {1, 1, 2}, {1, 2, 2}},
              1, 0, 1));
    EXPECT_FALSE(takes(bar, 1, {{2, 0, 1}, {2, 1, 1}, {2, 2, 1}, {2, 3, 1}}, 1, 0, 1));
    EXPECT_FALSE(takes(bar, 1, {}, 0, 0, 1));  // one wall only
    // Raised: the cell under its foot decides.
    const Cells sides = {{0, 1, 1}, {0, 2, 1}, {0, 3, 1}, {0, 4, 1},
                         {2, 1, 1}, {2, 2, 1}, {2, 3, 1}, {2, 4, 1}};
    EXPECT_FALSE(takes(bar, 1, sides, 1, 1, 1));
    settledWell.setCell(1, 0, 1, SettledCube);
    EXPECT_TRUE(ruleAccepts(*ruleFor(bar, 1), settledWell, 1, 1, 1));
}

TEST_F(RuleBookTest, LyingBarAlongXNeedsOnlyItsSupport) {
    EXPECT_TRUE(takes(bar, 2, {}, 0, 0, 3));
    EXPECT_TRUE(takes(bar, 2, {{0, 0, 3}, {1, 0, 3}, {2, 0, 3}, {3, 0, 3}}, 0, 1, 3));
    EXPECT_FALSE(takes(bar, 2, {{0, 0, 3}, {1, 0, 3}, {3, 0, 3}}, 0, 1, 3));
}

TEST_F(RuleBookTest, CubeNeedsTwoSidesTouched) {
    EXPECT_TRUE(takes(b4, 0, {}, 0, 0, 0));
    EXPECT_FALSE(takes(b4, 0, {}, 1, 0, 1));
    EXPECT_TRUE(takes(b4, 0, {{3, 0, 2}, {2, 0, 0}}, 1, 0, 1));   // +x and -z
    EXPECT_FALSE(takes(b4, 0, {{3, 0, 1}, {3, 0, 2}}, 1, 0, 1));  // one side, twice
    EXPECT_TRUE(takes(b4, 0, {{1, 0, 3}, {0, 1, 1}}, 1, 0, 1));   // +z and -x front
    // The -x side is the front column; its back bottom cell does not count,
    // nor do the upper cells of the other sides.
    EXPECT_FALSE(takes(b4, 0, {{3, 0, 1}, {0, 0, 2}}, 1, 0, 1));
    EXPECT_FALSE(takes(b4, 0, {{3, 1, 1}, {2, 1, 0}}, 1, 0, 1));
    // Raised: all four cells under it.
    const Cells under = {{1, 0, 1}, {2, 0, 1}, {1, 0, 2}, {2, 0, 2}, {3, 1, 1}, {1, 1, 0}};
    EXPECT_TRUE(takes(b4, 0, under, 1, 1, 1));
    EXPECT_FALSE(takes(b4, 0, {{1, 0, 1}, {2, 0, 1}, {1, 0, 2}, {3, 1, 1}, {1, 1, 0}}, 1, 1, 1));
}

TEST_F(RuleBookTest, RaisedRowNeedsBothEndsHeldAndRoomAbove) {
    EXPECT_TRUE(takes(base3, 0, {{0, 0, 1}, {2, 0, 1}}, 0, 0, 1));
    EXPECT_FALSE(takes(base3, 0, {{0, 0, 1}, {2, 0, 1}, {1, 2, 1}}, 0, 0, 1));
    EXPECT_FALSE(takes(base3, 0, {{0, 0, 1}}, 0, 0, 1));
    // Under the top the space above counts as filled.
    EXPECT_FALSE(takes(base3, 0, {{0, 18, 1}, {2, 18, 1}, {1, 17, 1}}, 0, 18, 1));
    EXPECT_TRUE(takes(base3, 0, {{0, 17, 1}, {2, 17, 1}, {1, 16, 1}}, 0, 17, 1));
}

TEST_F(RuleBookTest, RowWithFootInFrontHasItsOwnCellsInsteadOfSupport) {
    const Cells own = {{0, 0, 1}, {1, 0, 2}, {2, 0, 3}, {0, 1, 1}, {2, 1, 1}};
    EXPECT_TRUE(takes(base3, 3, own, 0, 1, 1));  // (1,0,1) (0,0,2) (2,0,2) empty
    EXPECT_FALSE(takes(base3, 3, {{0, 0, 1}, {1, 0, 2}, {0, 1, 1}, {2, 1, 1}}, 0, 1, 1));
    EXPECT_FALSE(takes(base3, 3, {{0, 0, 1}, {1, 0, 2}, {2, 0, 3}, {0, 1, 1}}, 0, 1, 1));
    EXPECT_TRUE(takes(base3, 3, {{0, 0, 1}, {2, 0, 1}}, 0, 0, 1));
}

TEST_F(RuleBookTest, RowAlongZWithFootNeedsOneCubeBesideAnEnd) {
    EXPECT_TRUE(takes(base3, 9, {{2, 0, 0}}, 1, 0, 0));
    EXPECT_TRUE(takes(base3, 9, {{2, 0, 2}}, 1, 0, 0));
    EXPECT_FALSE(takes(base3, 9, {}, 1, 0, 0));
    EXPECT_FALSE(takes(base3, 9, {{3, 0, 1}, {2, 1, 0}}, 1, 0, 0));
}

TEST_F(RuleBookTest, RaisedRowAlongZNeedsRoomAbove) {
    EXPECT_TRUE(takes(base3, 10, {{1, 0, 1}, {1, 0, 3}}, 1, 0, 1));
    EXPECT_FALSE(takes(base3, 10, {{1, 0, 1}, {1, 0, 3}, {1, 2, 3}}, 1, 0, 1));
    EXPECT_FALSE(takes(base3, 10, {{1, 0, 1}}, 1, 0, 1));
    EXPECT_TRUE(takes(base3, 10, {{1, 17, 1}, {1, 17, 3}, {1, 16, 2}}, 1, 17, 1));
    EXPECT_FALSE(takes(base3, 10, {{1, 17, 1}, {1, 17, 3}, {1, 16, 2}, {1, 19, 1}}, 1, 17, 1));
    // At the top the space above counts as filled.
    EXPECT_FALSE(takes(base3, 10, {{1, 18, 1}, {1, 18, 3}, {1, 17, 2}}, 1, 18, 1));
}

TEST_F(RuleBookTest, PlainRowWithFootUp) {
    EXPECT_TRUE(takes(base3, 2, {{2, 1, 0}}, 0, 0, 0));
    EXPECT_FALSE(takes(base3, 2, {}, 0, 0, 0));
    EXPECT_FALSE(takes(base3, 2, {{2, 1, 0}, {1, 1, 0}}, 0, 0, 0));
    EXPECT_FALSE(takes(base3, 2, {{2, 2, 0}, {0, 0, 0}, {1, 0, 0}}, 0, 1, 0));
    EXPECT_TRUE(takes(base3, 2, {{2, 2, 0}, {0, 0, 0}, {1, 0, 0}, {2, 0, 0}}, 0, 1, 0));
}

TEST_F(RuleBookTest, LeftHookWithRaisedEndWantsEitherPair) {
    EXPECT_TRUE(takes(lh, 2, {{0, 1, 1}, {1, 1, 1}}, 0, 0, 1));
    EXPECT_TRUE(takes(lh, 2, {{3, 0, 1}, {3, 1, 1}}, 0, 0, 1));
    EXPECT_FALSE(takes(lh, 2, {{0, 1, 1}, {3, 1, 1}}, 0, 0, 1));
    EXPECT_FALSE(takes(lh, 2, {{3, 0, 1}}, 0, 0, 1));
    EXPECT_TRUE(takes(lh, 2, {}, 1, 0, 1));  // the +x wall is the pair
}

TEST_F(RuleBookTest, LeftHookLyingDoesWithoutOneSupport) {
    const Cells held = {{2, 0, 1}, {1, 0, 2}, {2, 0, 2}, {0, 0, 1}, {0, 1, 1}, {1, 1, 1}};
    EXPECT_TRUE(takes(lh, 9, held, 0, 1, 1));  // (0,0,2) under it stays empty
    EXPECT_FALSE(takes(lh, 9, {{2, 0, 1}, {1, 0, 2}, {2, 0, 2}, {0, 0, 1}, {0, 1, 1}}, 0, 1, 1));
    EXPECT_FALSE(takes(lh, 9, {{2, 0, 1}, {1, 0, 2}, {0, 0, 1}, {0, 1, 1}, {1, 1, 1}}, 0, 1, 1));
}

TEST_F(RuleBookTest, PlainLeftHookAlongZ) {
    EXPECT_TRUE(takes(lh, 0, {{2, 0, 1}, {2, 0, 2}}, 1, 0, 1));
    EXPECT_FALSE(takes(lh, 0, {{2, 0, 1}}, 1, 0, 1));
    EXPECT_FALSE(takes(lh, 0, {{2, 0, 2}}, 1, 0, 1));
}

TEST_F(RuleBookTest, RightHookWithRaisedFootWantsEitherPair) {
    EXPECT_TRUE(takes(rh, 5, {{0, 0, 1}, {0, 1, 1}}, 1, 0, 1));
    EXPECT_TRUE(takes(rh, 5, {{2, 1, 1}, {3, 1, 1}}, 1, 0, 1));
    EXPECT_FALSE(takes(rh, 5, {{0, 0, 1}, {3, 1, 1}}, 1, 0, 1));
    EXPECT_FALSE(takes(rh, 5, {}, 1, 0, 1));
    EXPECT_TRUE(takes(rh, 5, {}, 0, 0, 4));  // the -x wall is the pair
}

TEST_F(RuleBookTest, RightHookLyingDoesWithoutOneSupport) {
    const Cells held = {{0, 0, 1}, {1, 0, 2}, {2, 0, 2}, {1, 1, 1}, {2, 1, 1}};
    EXPECT_TRUE(takes(rh, 9, held, 0, 1, 1));  // (0,0,2) under it stays empty
    EXPECT_FALSE(takes(rh, 9, {{0, 0, 1}, {1, 0, 2}, {2, 0, 2}, {1, 1, 1}}, 0, 1, 1));
    EXPECT_FALSE(takes(rh, 9, {{1, 0, 2}, {2, 0, 2}, {1, 1, 1}, {2, 1, 1}}, 0, 1, 1));
}

TEST_F(RuleBookTest, PlainRightHookAlongZ) {
    EXPECT_TRUE(takes(rh, 0, {{1, 0, 1}, {1, 0, 2}}, 1, 0, 1));
    EXPECT_FALSE(takes(rh, 0, {{1, 0, 1}}, 1, 0, 1));
    EXPECT_FALSE(takes(rh, 0, {{1, 0, 2}}, 1, 0, 1));
    EXPECT_FALSE(takes(rh, 0, {{1, 1, 1}, {1, 1, 2}}, 1, 1, 1));
}

TEST_F(RuleBookTest, PlainStepNeedsTheCubeUnderItsUpperPair) {
    EXPECT_TRUE(takes(zblk, 3, {{2, 0, 1}}, 1, 0, 1));
    EXPECT_FALSE(takes(zblk, 3, {}, 1, 0, 1));
    EXPECT_FALSE(takes(zblk, 3, {{2, 0, 2}}, 1, 0, 1));  // beside, but one cell deeper
}

TEST_F(RuleBookTest, TheFallingBlockIsDrawnOverASuggestedCell) {
    // The frame overlays the stack and the block after the book has run.
    startKind(bar);
    fallingBlock.x = 0, fallingBlock.y = 0, fallingBlock.z = 0, fallingBlock.mode = 2;
    fallingBlock.build();
    EXPECT_EQ(frame(bar, 2), "Suggestion: x=0; y=0; z=0 (bar-2).");
    displayWell.overlay(settledWell, blockWell);
    for (int x = 0; x < 4; ++x) EXPECT_EQ(displayWell.cell(x, 0, 0), kindTable[bar].cellValue);
}

TEST_F(RuleBookTest, AStackOfAnotherSizeReadsAsWallsBeyondItsEdge) {
    Well narrow(2, 20, 6);
    int x = -1, y = -1, z = -1;
    // Only two columns wide: the lying bar across x finds no free row.
    EXPECT_FALSE(ruleScan(*ruleFor(bar, 2), narrow, x, y, z));
    EXPECT_FALSE(ruleAccepts(*ruleFor(b4, 0), narrow, 1, 0, 1));
    EXPECT_TRUE(ruleAccepts(*ruleFor(b4, 0), narrow, 0, 0, 1));  // both x sides are walls
    ASSERT_TRUE(ruleScan(*ruleFor(bar, 1), narrow, x, y, z));
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    EXPECT_EQ(z, 0);
}
