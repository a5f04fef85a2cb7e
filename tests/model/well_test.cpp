// The well grid: storage, bounds, whole-well operations and layers.
#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <numeric>

#include "model/message_line.h"
#include "model/sound_cue.h"
#include "model/well.h"
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

TEST_F(WellTest, StorageBoundsOverlayCollisionAndMerge) {
    Well a(4, 20, 6), b(4, 20, 6), r(4, 20, 6);
    a.setCell(3, 19, 5, 7), a.setCell(1, 2, 3, 5);
    EXPECT_EQ(std::tuple(a.cells[479], a.cells[249], getStatus()), std::tuple(7, 5, Ok));
    for (const auto& [x, y, z] :
         {std::tuple(4, 0, 0), {0, 20, 0}, {0, 0, 6}, {-1, 0, 0}, {0, -1, 0}, {0, 0, -1}}) {
        resetStatus();
        const int read = a.cell(x, y, z), readStatus = getStatus();
        resetStatus();
        const int written = a.setCell(x, y, z, 8), writtenStatus = getStatus();
        EXPECT_EQ(std::tuple(read, readStatus, written, writtenStatus),
                  std::tuple(-1, OutOfWell, -1, OutOfWell));
    }
    EXPECT_EQ(std::accumulate(a.cells.get(), a.cells.get() + WellCells, 0), 12)
        << "refused writes change no cell";

    a.clear();
    a.setCell(0, 0, 0, 8), b.setCell(0, 0, 0, 4), a.setCell(1, 0, 0, 8), b.setCell(2, 0, 0, 3);
    r.setCell(3, 0, 0, 6);
    r.overlay(a, b);  // the second well wins; cells empty in both are left alone
    EXPECT_EQ(std::tuple(r.cell(0, 0, 0), r.cell(1, 0, 0), r.cell(3, 0, 0)), std::tuple(4, 8, 6));
    setStatus(OutOfWell), b.setCell(0, 0, 0, 0), displayWell.collides(a, b);
    EXPECT_EQ(getStatus(), OutOfWell) << "no overlap keeps an earlier status";
    b.setCell(1, 0, 0, 2), displayWell.collides(a, b);
    EXPECT_EQ(getStatus(), Collision);
    r.clear(), r.mergeSettled(b);
    EXPECT_EQ(std::tuple(r.cell(1, 0, 0), r.cell(2, 0, 0), r.cell(0, 0, 0)),
              std::tuple(SettledCube, SettledCube, 0));
}

TEST_F(WellTest, FullLayersScore) {
    // Layers, score and layer count before; score, count, level and cheats after.
    const std::tuple<int, int, int, int, int, int, int> rows[] = {
        {1, 0, 0, 10, 1, 0, 6},   {2, 0, 0, 40, 2, 0, 7},    {3, 0, 0, 360, 3, 0, 8},
        {4, 0, 0, 5760, 4, 0, 9}, {5, 0, 0, 5760, 5, 0, 10}, {3, 0, 8, 360, 1, 1, 8},
        {2, 9960, 0, 0, 2, 0, 8}, {0, 70, 4, 70, 4, 0, 5}};
    for (const auto& [layers, score, count, newScore, newCount, level, cheats] : rows) {
        resetGame();
        gameState.soundOn = 0;  // the level-up cue plays regardless
        gameState.score = score, gameState.layerCount = count;
        fillLayers(0, layers - 1);
        fillSettled({{1, layers, 1}});
        settledWell.clearFullLayers();
        // The cube above drops to the floor.
        EXPECT_EQ(
            std::tuple(gameState.score, gameState.layerCount, gameState.level, gameState.cheatsLeft,
                       playedCues, settledWell.cell(1, 0, 1), settledCount()),
            std::tuple(newScore, newCount, level, cheats, std::vector<int>(level, CueLevelUp),
                       SettledCube, 1))
            << layers;
    }
    resetGame();  // layers apart go in one call, and the top far corner comes down
    fillLayers(0, 0), fillLayers(2, 2), fillSettled({{0, 1, 0}, {3, 1, 5}, {3, 19, 5}});
    settledWell.clearFullLayers();
    EXPECT_EQ(std::tuple(gameState.score, settledWell.cell(0, 0, 0), settledWell.cell(3, 0, 5),
                         settledWell.cell(3, 17, 5), settledCount()),
              std::tuple(40, SettledCube, SettledCube, SettledCube, 3));
}

// The far corner and the top layer: a swapped width, height or depth, or a
// bound one short, gives another answer.
TEST_F(WellTest, LayersAtTheTopAndTheFarCorner) {
    for (int y = 0; y < 20; ++y) fillLayers(y, y), settledWell.setCell(y % 4, y, y % 6, 0);
    fillLayers(19, 19), fillLayers(6, 6);  // the top layer alone is full,
    settledWell.setCell(3, 6, 5, 0);       // and layer 6 lacks only the far corner
    EXPECT_EQ(std::tuple(settledWell.isLayerFull(19), settledWell.isLayerFull(6)),
              std::tuple(true, false));
    settledWell.clearFullLayers();
    EXPECT_EQ(std::tuple(gameState.score, settledCount()), std::tuple(10, 480 - 19 - 24));
}

// One fill pass, and the gap test, on their own.
TEST_F(WellTest, GapsAndFillPasses) {
    // Cubes, whether there is a gap, passes made; the cubes after them and
    // whether the last pass posted its message.
    struct Row {
        const char* name;
        std::initializer_list<std::array<int, 3>> cubes;
        bool gap;
        int passes, cells;
        bool posted;
    };
    // clang-format off
    const Row rows[] = {
        {"an empty well: the space above the top is empty", {}, false, 1, 0, false},
        {"columns from the floor: nothing new, no message", {{0, 0, 0}, {0, 1, 0}, {1, 0, 3}},
         false, 1, 3, false},
        {"a cube at the top far corner: one pass fills one cell", {{3, 19, 5}}, true, 1, 2, true},
        {"a pass goes upwards, so it fills only one cell a column", {{1, 5, 2}}, true, 1, 2, true},
        {"the deepest gap takes a pass a layer", {{3, 19, 5}}, true, 19, 20, true},
        {"and then a pass finds nothing", {{3, 19, 5}}, true, 20, 20, false},
    };
    // clang-format on
    for (const Row& r : rows) {
        resetGame(), fillSettled(r.cubes);
        const bool gap = settledWell.hasGap();
        for (int pass = 1; pass < r.passes; ++pass) settledWell.fillGaps();
        messageLine.queue.clear(), settledWell.fillGaps();
        std::string posted;
        for (const MessageLine::Entry& e : messageLine.queue)
            posted += e.text + std::string(":") + std::to_string(e.seconds);
        EXPECT_EQ(std::tuple(gap, settledCount(), posted),
                  std::tuple(r.gap, r.cells, r.posted ? "Some holes are now filled!:3" : ""))
            << r.name;
    }
}
