// Spawning: the level's weights, the weighted pick's buckets and the queue.
#include <gtest/gtest.h>

#include "model/block.h"
#include "tests/support/test_support.h"

using namespace testing_support;

namespace {

class SpawnTest : public ::testing::Test {
protected:
    void SetUp() override { resetGame(); }
};

int16_t pickAt(int level, int r) {
    int32_t weights[KindCount];
    kindWeights(level, weights);
    scriptRandom({r});
    return Block::weightedPick(weights);
}

}  // namespace

TEST_F(SpawnTest, WeightsFollowTheLevel) {
    const int32_t expected[7][KindCount] = {
        {20, 25, 5, 5, 5, 5, 5},     {17, 22, 7, 5, 8, 8, 7},    {14, 19, 9, 5, 11, 11, 9},
        {11, 16, 11, 5, 14, 14, 11}, {8, 13, 13, 5, 17, 17, 13}, {5, 10, 15, 5, 20, 20, 15},
        {2, 7, 17, 5, 23, 23, 17},
    };
    for (int level = 0; level <= 6; ++level) {
        int32_t w[KindCount];
        kindWeights(level, w);
        for (int k = 0; k < KindCount; ++k) EXPECT_EQ(w[k], expected[level][k]) << level;
    }
}

TEST_F(SpawnTest, LevelsAboveSixUseLevelSixWeights) {
    int32_t six[KindCount], seven[KindCount], far[KindCount];
    kindWeights(6, six);
    kindWeights(7, seven);
    kindWeights(1000, far);
    for (int k = 0; k < KindCount; ++k) {
        EXPECT_EQ(seven[k], six[k]);
        EXPECT_EQ(far[k], six[k]);
        EXPECT_GT(seven[k], 0);
    }
}

TEST_F(SpawnTest, PickBucketsAtLevelZero) {
    const int lastOfBucket[KindCount] = {19, 44, 49, 54, 59, 64, 69};
    int first = 0;
    for (int k = 0; k < KindCount; ++k) {
        EXPECT_EQ(pickAt(0, first), k);
        EXPECT_EQ(pickAt(0, lastOfBucket[k]), k);
        first = lastOfBucket[k] + 1;
    }
    EXPECT_EQ(pickAt(0, 70), bar) << "the draw is taken modulo the total";
}

TEST_F(SpawnTest, PickBucketsAtLevelFive) {
    const int lastOfBucket[KindCount] = {4, 14, 29, 34, 54, 74, 89};
    int first = 0;
    for (int k = 0; k < KindCount; ++k) {
        EXPECT_EQ(pickAt(5, first), k);
        EXPECT_EQ(pickAt(5, lastOfBucket[k]), k);
        first = lastOfBucket[k] + 1;
    }
}

TEST_F(SpawnTest, NextDrawsWithTheCurrentLevelThroughAnEmptyQueue) {
    GameState::level = 5;
    scriptRandom({35});  // lh at level 5, b4 at level 0
    EXPECT_TRUE(kindQueue.empty());
    fallingBlock.next();
    EXPECT_TRUE(kindQueue.empty());
    EXPECT_EQ(fallingBlock.kind, lh);
    EXPECT_EQ(fallingBlock.mode, 0);
    EXPECT_EQ(GameState::boardChanged, 1);
}

TEST_F(SpawnTest, StartedSlabAndBarSitAtTheTop) {
    startKind(slab);
    EXPECT_EQ(fallingBlock.y, 18);
    EXPECT_EQ(fallingBlock.z, 1);
    for (int x = 0; x < 4; ++x)
        for (int z = 0; z < 6; ++z) EXPECT_EQ(blockWell.cell(x, 19, z), 0);
    startKind(bar);
    EXPECT_EQ(fallingBlock.y, 19);
    EXPECT_EQ(fallingBlock.z, 2);
}
