// Full layers: removal, points, level, cheat counter and the score wrap.
#include <gtest/gtest.h>

#include "app/sound_cue.h"
#include "model/well.h"
#include "tests/support/test_support.h"

using namespace testing_support;

namespace {

void fillLayer(int y) {
    for (int x = 0; x < 4; ++x)
        for (int z = 0; z < 6; ++z) settledWell.setCell(x, y, z, SettledCube);
}

class LayersTest : public ::testing::Test {
protected:
    void SetUp() override { resetGame(); }
};

}  // namespace

TEST_F(LayersTest, LayerIsFullOnlyWhenEveryCellIsOccupied) {
    fillLayer(3);
    EXPECT_TRUE(settledWell.isLayerFull(3));
    settledWell.setCell(3, 3, 5, 0);
    EXPECT_FALSE(settledWell.isLayerFull(3));
    EXPECT_FALSE(settledWell.isLayerFull(0));
}

TEST_F(LayersTest, OneLayerDropsTheCubesAboveAndScores) {
    fillLayer(0);
    fillSettled({{1, 1, 1}, {2, 19, 5}});
    settledWell.clearFullLayers();
    EXPECT_EQ(settledWell.cell(1, 0, 1), SettledCube);
    EXPECT_EQ(settledWell.cell(1, 1, 1), 0);
    EXPECT_EQ(settledWell.cell(2, 18, 5), SettledCube);
    for (int x = 0; x < 4; ++x)
        for (int z = 0; z < 6; ++z) EXPECT_EQ(settledWell.cell(x, 19, z), 0);
    EXPECT_EQ(GameState::score, 10);
    EXPECT_EQ(GameState::layerCount, 1);
    EXPECT_EQ(GameState::cheatsLeft, 6);
    EXPECT_TRUE(playedCues.empty());
}

TEST_F(LayersTest, SeparatedFullLayersAreRemovedInOneCall) {
    fillLayer(0);
    fillLayer(2);
    fillSettled({{0, 1, 0}, {3, 1, 5}});
    settledWell.clearFullLayers();
    EXPECT_EQ(settledWell.cell(0, 0, 0), SettledCube);
    EXPECT_EQ(settledWell.cell(3, 0, 5), SettledCube);
    EXPECT_EQ(settledWell.cell(1, 0, 0), 0);
    EXPECT_FALSE(settledWell.isLayerFull(0));
    EXPECT_EQ(GameState::score, 40);
}

TEST_F(LayersTest, PointsByLayersRemovedCapAtFour) {
    const int32_t points[] = {10, 40, 360, 5760, 5760};
    for (int n = 1; n <= 5; ++n) {
        resetGame();
        for (int y = 0; y < n; ++y) fillLayer(y);
        settledWell.clearFullLayers();
        EXPECT_EQ(GameState::score, points[n - 1]) << n;
        EXPECT_EQ(GameState::layerCount, n);
        EXPECT_EQ(GameState::cheatsLeft, 5 + n);
    }
}

TEST_F(LayersTest, TenLayersRaiseTheLevelWithTheCueEvenWithSoundOff) {
    GameState::soundOn = 0;
    GameState::layerCount = 8;
    for (int y = 0; y < 3; ++y) fillLayer(y);
    settledWell.clearFullLayers();
    EXPECT_EQ(GameState::level, 1);
    EXPECT_EQ(GameState::layerCount, 1);
    EXPECT_EQ(playedCues, std::vector<int>{CueLevelUp});
}

TEST_F(LayersTest, ScoreWrapsPastTenThousandAndGivesACheat) {
    GameState::score = 9990;
    fillLayer(0);
    fillLayer(1);
    settledWell.clearFullLayers();
    EXPECT_EQ(GameState::score, 30);
    EXPECT_EQ(GameState::cheatsLeft, 5 + 2 + 1);
}

TEST_F(LayersTest, NothingChangesWithoutAFullLayer) {
    fillSettled({{0, 0, 0}, {1, 0, 0}});
    GameState::score = 70, GameState::layerCount = 4, GameState::level = 2;
    settledWell.clearFullLayers();
    EXPECT_EQ(GameState::score, 70);
    EXPECT_EQ(GameState::layerCount, 4);
    EXPECT_EQ(GameState::level, 2);
    EXPECT_EQ(GameState::cheatsLeft, 5);
    EXPECT_TRUE(playedCues.empty());
}
