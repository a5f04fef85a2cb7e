// The well grid: storage order, bounds and the whole-well operations.
#include <gtest/gtest.h>

#include "model/well.h"
#include "tests/support/test_support.h"

using namespace testing_support;

class WellTest : public ::testing::Test {
protected:
    void SetUp() override { resetGame(); }
};

TEST_F(WellTest, NewWellIsEmptyWithXFastestStorage) {
    Well w(4, 20, 6);
    for (int i = 0; i < 480; ++i) EXPECT_EQ(w.cells[i], 0);
    w.setCell(3, 19, 5, 7);
    EXPECT_EQ(w.cells[479], 7);
    w.setCell(1, 2, 3, 5);
    EXPECT_EQ(w.cells[249], 5);
    EXPECT_EQ(w.cell(1, 2, 3), 5);
    EXPECT_EQ(getStatus(), Ok);
}

TEST_F(WellTest, AccessOutsideTheGridIsRefusedAndReported) {
    Well w(4, 20, 6);
    const int outside[][3] = {{4, 0, 0}, {0, 20, 0}, {0, 0, 6}, {-1, 0, 0}, {0, -1, 0}, {0, 0, -1}};
    for (const auto& c : outside) {
        resetStatus();
        EXPECT_EQ(w.cell(c[0], c[1], c[2]), -1);
        EXPECT_EQ(getStatus(), OutOfWell);
        resetStatus();
        EXPECT_EQ(w.setCell(c[0], c[1], c[2], 8), -1);
        EXPECT_EQ(getStatus(), OutOfWell);
    }
    for (int i = 0; i < 480; ++i) EXPECT_EQ(w.cells[i], 0);
}

TEST_F(WellTest, OverlayLetsTheSecondWellWin) {
    Well a(4, 20, 6), b(4, 20, 6), r(4, 20, 6);
    a.setCell(0, 0, 0, 8);
    b.setCell(0, 0, 0, 4);
    a.setCell(1, 0, 0, 8);
    b.setCell(2, 0, 0, 3);
    r.setCell(3, 0, 0, 6);  // left alone where both are empty
    r.overlay(a, b);
    EXPECT_EQ(r.cell(0, 0, 0), 4);
    EXPECT_EQ(r.cell(1, 0, 0), 8);
    EXPECT_EQ(r.cell(2, 0, 0), 3);
    EXPECT_EQ(r.cell(3, 0, 0), 6);
}

TEST_F(WellTest, CollidesOnlySetsCollisionAndKeepsAnEarlierStatus) {
    Well a(4, 20, 6), b(4, 20, 6);
    a.setCell(1, 1, 1, 8);
    b.setCell(1, 1, 2, 2);
    setStatus(OutOfWell);
    displayWell.collides(a, b);
    EXPECT_EQ(getStatus(), OutOfWell);
    resetStatus();
    b.setCell(1, 1, 1, 2);
    displayWell.collides(a, b);
    EXPECT_EQ(getStatus(), Collision);
}

TEST_F(WellTest, MergeSettledWritesSettledCubesOnly) {
    Well src(4, 20, 6), dst(4, 20, 6);
    for (int v = 1; v <= 7; ++v) src.setCell(v % 4, v, 0, v);
    dst.setCell(0, 0, 5, 3);
    dst.mergeSettled(src);
    for (int v = 1; v <= 7; ++v) EXPECT_EQ(dst.cell(v % 4, v, 0), SettledCube);
    EXPECT_EQ(dst.cell(0, 0, 5), 3);
    EXPECT_EQ(dst.cell(0, 0, 0), 0);
}
