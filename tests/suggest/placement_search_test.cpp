// The "H" placement search: chosen placements, reuse of the kept placement,
// the gap-filled base, the status, and a trial-by-trial yardstick search on
// many stacks.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "model/block.h"
#include "render/message_line.h"
#include "suggest/placement_search.h"
#include "tests/support/test_support.h"

using namespace testing_support;

namespace {

const char* const holesText = "Some holes are now filled!";

// The search done literally on the wells, trial by trial, as a yardstick.
void yardstickSearch() {
    const int16_t saved = GameState::status;
    Block& b = fallingBlock;
    const int32_t startY = b.y;
    if (GameState::boardChanged != 0 || startY < bestY) {
        bestX = b.x, bestY = startY, bestZ = b.z, bestMode = b.mode;
        GameState::boardChanged = 0;
        Well base(4, 20, 6);
        base.clear();
        base.mergeSettled(settledWell);
        for (int pass = 0; pass < 20; ++pass) base.fillGaps();
        for (int32_t x = 0; x < 4; ++x)
            for (int32_t z = 0; z < 6; ++z)
                for (int16_t m = 0; m < b.modeCount; ++m) {
                    searchWell.clear();
                    searchWell.mergeSettled(base);
                    b.x = x, b.y = startY, b.z = z, b.mode = m;
                    blockWell.clear();
                    resetStatus();
                    b.build();
                    searchWell.collides(searchWell, blockWell);
                    if (statusFailed()) continue;
                    resetStatus();
                    do {
                        b.decY();
                        searchWell.collides(searchWell, blockWell);
                    } while (!statusFailed());
                    b.incY();
                    searchWell.mergeSettled(blockWell);
                    if (searchWell.hasGap()) continue;
                    if (b.y < bestY) bestX = x, bestY = b.y, bestZ = z, bestMode = m;
                }
    }
    b.x = bestX, b.y = bestY, b.z = bestZ, b.mode = bestMode;
    b.build();
    GameState::status = saved;
}

// Everything the search may touch.
struct World {
    std::vector<int32_t> settled, block, search;
    int16_t kind, mode;
    int32_t modeCount, x, y, z;
    int32_t keptX, keptY, keptZ;
    int16_t keptMode;
    int32_t boardChanged;
    int16_t status;
    std::vector<std::string> messages;
    bool operator==(const World&) const = default;
};

std::vector<int32_t> cellsOf(const Well& w) {
    return {w.cells.get(), w.cells.get() + WellCells};
}

World capture() {
    const Block& b = fallingBlock;
    World w{cellsOf(settledWell),
            cellsOf(blockWell),
            cellsOf(searchWell),
            b.kind,
            b.mode,
            b.modeCount,
            b.x,
            b.y,
            b.z,
            bestX,
            bestY,
            bestZ,
            bestMode,
            GameState::boardChanged,
            GameState::status,
            {}};
    for (const auto& e : messageLine.queue) w.messages.emplace_back(e.text);
    return w;
}

void restore(const World& w, const MessageLine& line) {
    std::copy(w.settled.begin(), w.settled.end(), settledWell.cells.get());
    std::copy(w.block.begin(), w.block.end(), blockWell.cells.get());
    std::copy(w.search.begin(), w.search.end(), searchWell.cells.get());
    Block& b = fallingBlock;
    b.kind = w.kind, b.mode = w.mode, b.modeCount = w.modeCount;
    b.x = w.x, b.y = w.y, b.z = w.z;
    bestX = w.keptX, bestY = w.keptY, bestZ = w.keptZ, bestMode = w.keptMode;
    GameState::boardChanged = w.boardChanged;
    GameState::status = w.status;
    messageLine = line;
}

// The block's own cells painted on an empty well, to compare with blockWell.
std::vector<int32_t> paintedBlock() {
    Well w(4, 20, 6);
    const ModeShape* s = shapeOf(fallingBlock.kind, fallingBlock.mode);
    for (int i = 0; s && i < s->count; ++i)
        w.setCell(fallingBlock.x + s->cells[i].dx, fallingBlock.y + s->cells[i].dy,
                  fallingBlock.z + s->cells[i].dz, kindTable[fallingBlock.kind].cellValue);
    return cellsOf(w);
}

int countHoleMessages() {
    int n = 0;
    for (const auto& e : messageLine.queue) n += std::string(e.text) == holesText;
    return n;
}

void expectPlacement(int x, int y, int z, int mode) {
    EXPECT_EQ(fallingBlock.x, x);
    EXPECT_EQ(fallingBlock.y, y);
    EXPECT_EQ(fallingBlock.z, z);
    EXPECT_EQ(fallingBlock.mode, mode);
    EXPECT_EQ(bestX, x);
    EXPECT_EQ(bestY, y);
    EXPECT_EQ(bestZ, z);
    EXPECT_EQ(bestMode, mode);
    EXPECT_EQ(cellsOf(blockWell), paintedBlock());
}

// Layers 0 .. height-1 filled, except the given column.
void fillLayersBut(int height, int openX, int openZ) {
    for (int x = 0; x < 4; ++x)
        for (int y = 0; y < height; ++y)
            for (int z = 0; z < 6; ++z)
                if (x != openX || z != openZ) settledWell.setCell(x, y, z, SettledCube);
}

class PlacementSearchTest : public ::testing::Test {
protected:
    void SetUp() override { resetGame(); }
};

}  // namespace

TEST_F(PlacementSearchTest, EmptyWellPutsTheBarFlatInTheFirstCorner) {
    startKind(bar);
    placementSearch();
    expectPlacement(0, 0, 0, 0);
    EXPECT_EQ(GameState::boardChanged, 0);
    EXPECT_EQ(countHoleMessages(), 0);
}

TEST_F(PlacementSearchTest, AStandingBarDropsIntoAShaft) {
    // The standing bar's anchor is its top cube: on the floor it rests at
    // y = 3, so in a one-column shaft it only wins when lying is worse.
    fillLayersBut(8, 3, 5);
    startKind(bar);
    placementSearch();
    expectPlacement(3, 3, 5, 1);
}

TEST_F(PlacementSearchTest, GapsAreFilledOnTheCopyAndJudgedAsSolid) {
    // Column (0, 0) holds one cube at y = 5 over five empty cells; every
    // other column is filled to y = 9.
    fillLayersBut(10, 0, 0);
    fillSettled({{0, 5, 0}});
    const std::vector<int32_t> before = cellsOf(settledWell);
    startKind(bar);
    placementSearch();
    // Standing on the filled column leaves no gap of its own; lying across
    // it would hang over the hole between 6 and 9.
    expectPlacement(0, 9, 0, 1);
    EXPECT_EQ(cellsOf(settledWell), before);
    // One message per pass that filled a cell: the gap is five deep.
    EXPECT_EQ(countHoleMessages(), 5);
}

TEST_F(PlacementSearchTest, ASecondPressReusesTheKeptPlacement) {
    fillLayersBut(5, -1, -1);
    startKind(bar);
    placementSearch();
    expectPlacement(0, 5, 0, 0);
    // The stack changes without a landing: the kept placement still holds.
    settledWell.clear();
    fallingBlock.x = 2, fallingBlock.z = 3, fallingBlock.mode = 2;
    fallingBlock.build();
    placementSearch();
    expectPlacement(0, 5, 0, 0);

    // Sunk below the kept height: search again, from where the block is.
    fallingBlock.decY();
    fallingBlock.decY();
    placementSearch();
    expectPlacement(0, 0, 0, 0);
    EXPECT_EQ(GameState::boardChanged, 0);
}

TEST_F(PlacementSearchTest, ANewBlockMakesTheKeptPlacementStale) {
    startKind(bar);
    placementSearch();
    expectPlacement(0, 0, 0, 0);
    startKind(b4);
    EXPECT_EQ(GameState::boardChanged, 1);
    placementSearch();
    expectPlacement(0, 1, 0, 0);
}

TEST_F(PlacementSearchTest, ABlockWithNoGoodTrialStaysWhereItIs) {
    // Columns of height 1 and 0 alternate: every 2 x 2 cube hangs over a
    // hole wherever it lands.
    for (int x = 0; x < 4; ++x)
        for (int z = 0; z < 6; ++z)
            if ((x + z) % 2 == 0) fillSettled({{x, 0, z}});
    startKind(b4);
    fallingBlock.x = 1, fallingBlock.y = 12, fallingBlock.z = 3;
    fallingBlock.build();
    placementSearch();
    expectPlacement(1, 12, 3, 0);
}

TEST_F(PlacementSearchTest, ABlockAlreadyResting) {
    // Trials must rest strictly lower than the block already is.
    startKind(bar);
    fallingBlock.x = 3, fallingBlock.y = 0, fallingBlock.z = 2, fallingBlock.mode = 0;
    fallingBlock.build();
    placementSearch();
    expectPlacement(3, 0, 2, 0);
}

TEST_F(PlacementSearchTest, TheStatusIsTheSameAfterTheSearch) {
    const StatusCode before[] = {Ok, OutOfWell, Collision, Landed, GameOver};
    for (StatusCode s : before) {
        resetGame();
        fillLayersBut(3, 1, 1);
        fillSettled({{2, 6, 2}});
        startKind(lh);
        setStatus(s);
        placementSearch();  // searches
        EXPECT_EQ(getStatus(), s);
        placementSearch();  // reuses
        EXPECT_EQ(getStatus(), s);
    }
}

TEST_F(PlacementSearchTest, ABlockOfNoKnownKindIsLeftAlone) {
    startKind(lh);
    fallingBlock.kind = 9;
    placementSearch();
    EXPECT_EQ(fallingBlock.y, WellHeight - 1);
    EXPECT_EQ(fallingBlock.x, 2);
    for (int i = 0; i < WellCells; ++i) EXPECT_EQ(blockWell.cells[i], 0);
}

TEST_F(PlacementSearchTest, MatchesTheTrialByTrialSearchOnManyStacks) {
    std::mt19937 rng(20260);
    int searched = 0, moved = 0;
    for (int round = 0; round < 700; ++round) {
        resetGame();
        // Uneven columns, holes in them and cubes floating above.
        const int maxHeight = round % 14;
        for (int x = 0; x < 4; ++x)
            for (int z = 0; z < 6; ++z) {
                const int h = maxHeight ? static_cast<int>(rng() % (maxHeight + 1)) : 0;
                for (int y = 0; y < h; ++y)
                    if (rng() % 6 != 0) fillSettled({{x, y, z}});
                if (rng() % 5 == 0) fillSettled({{x, h + 2 + static_cast<int>(rng() % 3), z}});
            }
        const int kind = static_cast<int>(rng() % KindCount);
        startKind(kind);
        Block& b = fallingBlock;
        b.mode = static_cast<int16_t>(rng() % b.modeCount);
        if (rng() % 2) b.x = static_cast<int32_t>(rng() % 4), b.z = static_cast<int32_t>(rng() % 6);
        if (rng() % 2) b.y = static_cast<int32_t>(rng() % 20);
        b.build();
        GameState::boardChanged = static_cast<int32_t>(rng() % 2);
        bestX = static_cast<int32_t>(rng() % 4);
        bestY = static_cast<int32_t>(rng() % 20);
        bestZ = static_cast<int32_t>(rng() % 6);
        bestMode = static_cast<int16_t>(rng() % b.modeCount);
        GameState::status = static_cast<int16_t>(rng() % 5);

        const MessageLine line = messageLine;
        const World start = capture();
        yardstickSearch();
        const World expected = capture();
        restore(start, line);
        placementSearch();
        const World got = capture();
        ASSERT_EQ(got, expected) << "round " << round << " kind " << kind;
        searched += start.boardChanged || start.y < start.keptY;
        moved += got.y != start.y;
    }
    // The stacks must exercise both roads and real moves.
    EXPECT_GT(searched, 300);
    EXPECT_GT(moved, 200);
}
