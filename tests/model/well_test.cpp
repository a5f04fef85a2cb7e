// The well grid: storage, bounds, whole-well operations, layers and gaps.
#include <gtest/gtest.h>

#include "model/sound_cue.h"
#include "model/well.h"
#include "model/message_line.h"
#include "tests/support/test_support.h"

using namespace testing_support;

namespace {

using WellTest = FreshGame;

void fillLayers(int from, int to) {
    for (int y = from; y <= to; ++y)
        for (int i = 0; i < 24; ++i) settledWell.setCell(i % 4, y, i / 4, SettledCube);
}

int settledCount() {
    int n = 0;
    for (int i = 0; i < WellCells; ++i) n += settledWell.cells[i] != 0;
    return n;
}

}  // namespace

TEST_F(WellTest, StorageAndBounds) {
    Well w(4, 20, 6);
    w.setCell(3, 19, 5, 7);
    w.setCell(1, 2, 3, 5);
    EXPECT_EQ(w.cells[479], 7);
    EXPECT_EQ(w.cells[249], 5);
    EXPECT_EQ(getStatus(), Ok);
    const int outside[][3] = {{4, 0, 0}, {0, 20, 0}, {0, 0, 6}, {-1, 0, 0}, {0, -1, 0}, {0, 0, -1}};
    for (const auto& c : outside) {
        resetStatus();
        EXPECT_EQ(w.cell(c[0], c[1], c[2]), -1);
        EXPECT_EQ(getStatus(), OutOfWell);
        resetStatus();
        EXPECT_EQ(w.setCell(c[0], c[1], c[2], 8), -1);
        EXPECT_EQ(getStatus(), OutOfWell);
    }
    int sum = 0;
    for (int i = 0; i < 480; ++i) sum += w.cells[i];
    EXPECT_EQ(sum, 12) << "refused writes change no cell";
}

TEST_F(WellTest, OverlayCollidesAndMerge) {
    Well a(4, 20, 6), b(4, 20, 6), r(4, 20, 6);
    a.setCell(0, 0, 0, 8), b.setCell(0, 0, 0, 4);
    a.setCell(1, 0, 0, 8), b.setCell(2, 0, 0, 3);
    r.setCell(3, 0, 0, 6);
    r.overlay(a, b);
    EXPECT_EQ(r.cell(0, 0, 0), 4) << "the second well wins";
    EXPECT_EQ(r.cell(1, 0, 0), 8);
    EXPECT_EQ(r.cell(3, 0, 0), 6) << "cells empty in both are left alone";

    setStatus(OutOfWell);
    b.setCell(0, 0, 0, 0);
    displayWell.collides(a, b);
    EXPECT_EQ(getStatus(), OutOfWell) << "no overlap keeps an earlier status";
    b.setCell(1, 0, 0, 2);
    displayWell.collides(a, b);
    EXPECT_EQ(getStatus(), Collision);

    r.clear();
    r.mergeSettled(b);
    EXPECT_EQ(r.cell(1, 0, 0), SettledCube);
    EXPECT_EQ(r.cell(2, 0, 0), SettledCube);
    EXPECT_EQ(r.cell(0, 0, 0), 0);
}

TEST_F(WellTest, FullLayersScore) {
    struct Row {
        int layers, startScore, startCount, score, count, level, cheats;
        std::vector<int> cues;
    };
    const Row rows[] = {
        {1, 0, 0, 10, 1, 0, 6, {}},    {2, 0, 0, 40, 2, 0, 7, {}},
        {3, 0, 0, 360, 3, 0, 8, {}},   {4, 0, 0, 5760, 4, 0, 9, {}},
        {5, 0, 0, 5760, 5, 0, 10, {}}, {3, 0, 8, 360, 1, 1, 8, {CueLevelUp}},
        {2, 9990, 0, 30, 2, 0, 8, {}}, {0, 70, 4, 70, 4, 0, 5, {}},
    };
    for (const Row& row : rows) {
        resetGame();
        gameState.soundOn = 0;  // the level-up cue plays regardless
        gameState.score = row.startScore, gameState.layerCount = row.startCount;
        fillLayers(0, row.layers - 1);
        fillSettled({{1, row.layers, 1}});
        settledWell.clearFullLayers();
        EXPECT_EQ(gameState.score, row.score) << row.layers;
        EXPECT_EQ(gameState.layerCount, row.count) << row.layers;
        EXPECT_EQ(gameState.level, row.level) << row.layers;
        EXPECT_EQ(gameState.cheatsLeft, row.cheats) << row.layers;
        EXPECT_EQ(playedCues, row.cues) << row.layers;
        EXPECT_EQ(settledWell.cell(1, 0, 1), SettledCube) << "the cube above drops";
        EXPECT_EQ(settledCount(), 1);
    }
}

TEST_F(WellTest, SeparatedFullLayersGoInOneCall) {
    fillLayers(0, 0);
    fillLayers(2, 2);
    fillSettled({{0, 1, 0}, {3, 1, 5}, {2, 19, 2}});
    settledWell.clearFullLayers();
    EXPECT_EQ(gameState.score, 40);
    EXPECT_EQ(settledWell.cell(0, 0, 0), SettledCube);
    EXPECT_EQ(settledWell.cell(3, 0, 5), SettledCube);
    EXPECT_EQ(settledWell.cell(2, 17, 2), SettledCube);
    EXPECT_EQ(settledCount(), 3);
}

TEST_F(WellTest, GapsAndFillPasses) {
    EXPECT_FALSE(settledWell.hasGap());
    fillSettled({{0, 5, 0}});
    EXPECT_TRUE(settledWell.hasGap());
    for (int pass = 1; pass <= 5; ++pass) {
        messageLine = {};
        settledWell.fillGaps();
        EXPECT_EQ(settledCount(), 1 + pass) << "one cell per pass";
        EXPECT_STREQ(currentMessage(), "Some holes are now filled!");
    }
    EXPECT_FALSE(settledWell.hasGap());
    messageLine = {};
    settledWell.fillGaps();
    EXPECT_EQ(settledCount(), 6);
    EXPECT_STREQ(currentMessage(), "") << "a pass that fills nothing posts nothing";
    fillSettled({{3, 19, 5}});
    EXPECT_TRUE(settledWell.hasGap()) << "the top layer floats too";
}
