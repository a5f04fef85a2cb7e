// Repainting the falling block, and spawning: the weighted kind draw, the
// kind queue and the start position.
#include "model/block.h"
#include "model/block_shapes.h"

#include "model/seams.h"

Block::Block(Well& w) : well(w) {
    seams.seedRandom(static_cast<unsigned>(nowSeconds()));
    next();
}

void Block::build() {
    well.clear();
    if (!validKind(kind)) return;
    const KindInfo& info = kindTable[kind];
    modeCount = info.modeCount;
    const ModeShape* shape = shapeOf(kind, mode);
    if (!shape) return;
    for (int i = 0; i < shape->count; ++i) {
        const CellOffset& c = shape->cells[i];
        well.setCell(x + c.dx, y + c.dy, z + c.dz, info.cellValue);
    }
}

void Block::incM() {
    mode = static_cast<int16_t>(modeCount > 0 ? (mode + 1) % modeCount : 0);
    build();
}

void kindWeights(int32_t level, int32_t weights[KindCount]) {
    // Level 6 is where the game is won; a landing can jump past it.
    const int32_t L = level < 0 ? 0 : (level > 6 ? 6 : level);
    const int32_t table[KindCount] = {20 - 3 * L, 25 - 3 * L, 2 * L + 5, 5,
                                      3 * L + 5,  3 * L + 5,  2 * L + 5};
    for (int k = 0; k < KindCount; ++k) weights[k] = table[k];
}

int16_t Block::weightedPick(const int32_t weights[KindCount]) {
    int32_t total = 0;
    for (int k = 0; k < KindCount; ++k) total += weights[k];
    const int32_t r = seams.randomValue() % total;
    int32_t reach = 0;
    for (int16_t k = 0; k < KindCount - 1; ++k) {
        reach += weights[k];
        if (r < reach) return k;
    }
    return KindCount - 1;
}

void Block::next() {
    int32_t weights[KindCount];
    kindWeights(gameState.level, weights);
    kindQueue.push_back(weightedPick(weights));
    start(kindQueue.front());
    kindQueue.pop_front();
}

void Block::start(int16_t newKind) {
    if (!validKind(newKind)) return;  // no shape to paint: never let it in
    well.clear();
    kind = newKind;
    const int32_t lift = kindTable[kind].lift;
    x = well.width / 2;
    y = well.height - lift;
    z = well.depth / 2 - lift;
    mode = 0;
    build();
    // A kept placement belongs to the block it was computed for.
    gameState.boardChanged = 1;
}
