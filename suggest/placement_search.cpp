// The "H" placement search. Every x, z and mode of the falling block is let
// fall on a gap-free copy of the stack, and the block is moved to the trial
// that rests lowest without leaving a gap under it.
//
// A trial board is the copy plus the block's cells, so every trial is judged
// from the block's cells against the copy alone: the fall only needs the
// cells with nothing of the block under them, and so does the gap test,
// because the copy itself has no gap.
#include "suggest/placement_search.h"

#include <algorithm>

#include "model/block.h"
#include "model/block_shapes.h"
#include "model/recording.h"

namespace {

// The gap-free copy of the stack, kept between searches.
Well baseWell(WellWidth, WellHeight, WellDepth);

// One mode's cells, and those of them with no cell of the block directly
// below ("bottom" cells): only these can meet the stack or the floor.
struct TrialShape {
    int count = 0;
    CellOffset cells[MaxBlockCells] = {};
    int bottomCount = 0;
    CellOffset bottom[MaxBlockCells] = {};
};

using TrialShapes = TrialShape[KindCount][MaxModes];

void buildTrialShapes(TrialShapes& shapes) {
    for (int kind = 0; kind < KindCount; ++kind)
        for (int mode = 0; mode < kindTable[kind].modeCount; ++mode) {
            const ModeShape& from = *shapeOf(kind, mode);
            TrialShape& to = shapes[kind][mode];
            to.count = from.count;
            for (int i = 0; i < from.count; ++i) {
                const CellOffset c = from.cells[i];
                to.cells[i] = c;
                const bool coveredBelow =
                    std::any_of(from.cells, from.cells + from.count, [&](const CellOffset& o) {
                        return o.dx == c.dx && o.dy == c.dy - 1 && o.dz == c.dz;
                    });
                if (!coveredBelow) to.bottom[to.bottomCount++] = c;
            }
        }
}

const TrialShape& trialShape(int kind, int mode) {
    static TrialShapes shapes;
    static const bool built = (buildTrialShapes(shapes), true);
    (void)built;
    return shapes[kind][mode];
}

// Copies the stack and closes its gaps: up to one fill pass per layer of the
// well. A pass finds nothing to fill exactly when no gap is left, and then
// every further pass would leave the copy as it is and post nothing.
// Returns whether a gap is still left (a copy that every trial would fail).
bool buildBase() {
    baseWell.clear();
    baseWell.mergeSettled(settledWell);
    for (int pass = 0; pass < WellHeight; ++pass) {
        if (!baseWell.hasGap()) return false;
        baseWell.fillGaps();
    }
    return baseWell.hasGap();
}

bool freeInBase(int32_t x, int32_t y, int32_t z) {
    return baseWell.inside(x, y, z) && baseWell.cells[baseWell.index(x, y, z)] == EmptyCell;
}

bool cellsFree(const CellOffset* cells, int count, int32_t x, int32_t y, int32_t z) {
    for (int i = 0; i < count; ++i)
        if (!freeInBase(x + cells[i].dx, y + cells[i].dy, z + cells[i].dz)) return false;
    return true;
}

// Lets a trial fall from startY. Returns false when it does not fit there;
// otherwise restY is where it comes to rest.
bool fall(const TrialShape& s, int32_t x, int32_t startY, int32_t z, int32_t& restY) {
    if (!cellsFree(s.cells, s.count, x, startY, z)) return false;
    restY = startY;
    while (cellsFree(s.bottom, s.bottomCount, x, restY - 1, z)) --restY;
    return true;
}

// At rest some bottom cell meets the stack or the floor; a gap is left when
// another bottom cell hangs over an empty cell.
bool leavesGap(const TrialShape& s, int32_t x, int32_t y, int32_t z) {
    for (int i = 0; i < s.bottomCount; ++i) {
        const CellOffset& c = s.bottom[i];
        const int32_t below = y + c.dy - 1;
        if (below >= 0 && freeInBase(x + c.dx, below, z + c.dz)) return true;
    }
    return false;
}

void search(int32_t startY) {
    Block& block = fallingBlock;
    KeptPlacement& kept = keptPlacement;
    kept = {block.x, startY, block.z, block.mode};
    gameState.boardChanged = 0;

    const bool baseHasGap = buildBase();
    const int kind = block.kind;
    // A block of no known kind has no cells to try (it would fall forever);
    // a copy with a gap left would fail every trial.
    const int16_t modeCount =
        static_cast<int16_t>(validKind(kind) && !baseHasGap ? kindTable[kind].modeCount : 0);
    for (int32_t x = 0; x < WellWidth; ++x)
        for (int32_t z = 0; z < WellDepth; ++z)
            for (int16_t mode = 0; mode < modeCount; ++mode) {
                const TrialShape& s = trialShape(kind, mode);
                int32_t y = 0;
                if (!fall(s, x, startY, z, y) || leavesGap(s, x, y, z)) continue;
                if (y < kept.bestY) kept = {x, y, z, mode};
            }
}

}  // namespace

void placementSearch() {
    const int16_t savedStatus = gameState.status;
    Block& block = fallingBlock;
    const int32_t startY = block.y;
    if (gameState.boardChanged != 0 || startY < keptPlacement.bestY) search(startY);

    block.x = keptPlacement.bestX;
    block.y = keptPlacement.bestY;
    block.z = keptPlacement.bestZ;
    block.mode = keptPlacement.bestMode;
    block.build();
    gameState.status = savedStatus;
}

void placeByHint() {
    recordWord(Word::Hint);
    placementSearch();
}
