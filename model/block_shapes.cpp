// The shape table's checks, and the lookup of a kind's shape for a mode.
#include "model/block_shapes.h"

#include <iterator>

static_assert(std::size(kindTable) == KindCount, "one row per kind");

// Every kind has a shape for each of its modes and none beyond them.
constexpr bool modesAgree() {
    for (const KindInfo& kind : kindTable)
        for (int mode = 0; mode < MaxModes; ++mode)
            if ((mode < kind.modeCount) != (kind.modes[mode].count > 0)) return false;
    return true;
}
static_assert(modesAgree(), "a kind's mode count and its shapes disagree");

const ModeShape* shapeOf(int kind, int mode) {
    if (!validKind(kind) || mode < 0 || mode >= kindTable[kind].modeCount) return nullptr;
    return &kindTable[kind].modes[mode];
}
