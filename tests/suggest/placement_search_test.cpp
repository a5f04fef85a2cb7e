// The "H" placement search: placements on small stacks, the kept placement
// and when it goes stale, and a literal trial-by-trial search as the
// yardstick of the fast one.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <iterator>
#include <random>
#include <vector>

#include "model/block.h"
#include "model/message_line.h"
#include "suggest/placement_search.h"
#include "tests/support/test_support.h"

using namespace testing_support;

namespace {

// A fresh search done literally, trial by trial on the wells.
void literalSearch() {
    Block& b = fallingBlock;
    const int32_t startY = b.y;
    KeptPlacement& kept = keptPlacement;
    kept = {b.x, startY, b.z, b.mode};
    Well base(4, 20, 6);
    base.mergeSettled(settledWell);
    for (int pass = 0; pass < 20; ++pass) base.fillGaps();
    for (int32_t x = 0; x < 4; ++x)
        for (int32_t z = 0; z < 6; ++z)
            for (int16_t m = 0; m < b.modeCount; ++m) {
                searchWell.clear();
                searchWell.mergeSettled(base);
                b.x = x, b.y = startY, b.z = z, b.mode = m;
                resetStatus();
                b.build();
                searchWell.collides(searchWell, blockWell);
                if (statusFailed()) continue;
                for (resetStatus(); !statusFailed();)
                    b.decY(), searchWell.collides(searchWell, blockWell);
                b.incY();
                searchWell.mergeSettled(blockWell);
                if (!searchWell.hasGap() && b.y < kept.bestY) kept = {x, b.y, z, m};
            }
    b.x = kept.bestX, b.y = kept.bestY, b.z = kept.bestZ, b.mode = kept.bestMode;
    b.build();
}

}  // namespace

// One game, step by step: each row changes the stack or the block, then "H"
// is pressed, each time with another status standing.
TEST(PlacementSearchTest, PlacementsAndTheKeptPlacement) {
    // What the step is; then where the block goes (x, y, z, mode) and the
    // hole messages so far.
    // clang-format off
    const std::tuple<const char*, void (*)(), std::array<int, 5>> rows[] = {
        {"empty well, bar at its start", [] {}, {0, 0, 0, 0, 0}},
        // A cube over a hole three deep, filled on the copy only (one message
        // a pass): the bar lies beside the column, not across it.
        {"gap judged solid", [] { fillSettled({{0, 3, 0}}), startKind(bar); }, {0, 0, 1, 0, 3}},
        {"two full layers", [] {
            settledWell.clear();
            for (int i = 0; i < 48; ++i) fillSettled({{i % 4, i / 24, i / 4 % 6}});
            startKind(bar);
        }, {0, 2, 0, 0, 3}},
        {"reused without a landing", [] { settledWell.clear(), fallingBlock.x = 2; }, {0, 2, 0, 0, 3}},
        {"sunk below the kept height", [] { fallingBlock.y = 1; }, {0, 0, 0, 0, 3}},
        {"unknown kind", [] { startKind(lh), fallingBlock.kind = 9; }, {2, 19, 2, 0, 3}},
        // The deepest gap, under the top far corner: a pass a layer.
        {"gap 19 deep", [] { settledWell.clear(), fillSettled({{3, 19, 5}}), startKind(bar); },
         {0, 0, 0, 0, 22}},
    };
    // clang-format on
    resetGame();
    for (size_t i = 0; i < std::size(rows); ++i) {
        const auto& [what, step, want] = rows[i];
        SCOPED_TRACE(what);
        step();
        gameState.status = static_cast<int16_t>(i % 5);
        const std::vector<int32_t> settled(settledWell.cells.get(),
                                           settledWell.cells.get() + WellCells);
        placementSearch();
        const Block& b = fallingBlock;
        const int holeMessages = queuedPosts();
        // The status as it stood, and the stack untouched.
        EXPECT_EQ(std::tuple(std::array<int, 5>{b.x, b.y, b.z, b.mode, holeMessages},
                             gameState.status, gameState.boardChanged,
                             std::equal(settled.begin(), settled.end(), settledWell.cells.get())),
                  std::tuple(want, static_cast<int16_t>(i % 5), 0, true));
    }
}

TEST(PlacementSearchTest, AFreshSearchMatchesALiteralTrialByTrialSearch) {
    int moved = 0;
    for (unsigned seed = 0; seed < 150; ++seed) {
        std::vector<int32_t> outcome[2];
        for (int literal = 0; literal < 2; ++literal) {
            // Uneven columns with holes, and a block of any kind, anywhere.
            resetGame();
            std::mt19937 rng(seed);
            auto pick = [&](int n) { return static_cast<int>(rng() % n); };
            for (int i = 0; i < 24; ++i)
                for (int y = pick(seed % 14 + 1) - 1; y >= 0; --y)
                    if (pick(6)) settledWell.setCell(i % 4, y, i / 4, SettledCube);
            startKind(pick(KindCount));
            Block& b = fallingBlock;
            b.mode = static_cast<int16_t>(pick(b.modeCount));
            if (pick(2)) b.x = pick(4), b.y = pick(20), b.z = pick(6);
            const int32_t startY = b.y;
            literal ? literalSearch() : placementSearch();
            moved += !literal && b.y != startY;
            outcome[literal] = {b.x,
                                b.y,
                                b.z,
                                b.mode,
                                keptPlacement.bestX,
                                keptPlacement.bestY,
                                keptPlacement.bestZ,
                                keptPlacement.bestMode,
                                queuedPosts()};
        }
        ASSERT_EQ(outcome[0], outcome[1]) << "seed " << seed;
    }
    EXPECT_GT(moved, 40);
}
