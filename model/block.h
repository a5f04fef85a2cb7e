// The falling block: a kind, a mode (orientation) and an anchor cell. It has
// no cell list of its own; every change repaints it into its well from the
// shape table.
#pragma once

#include <cstdint>
#include <deque>

#include "model/well.h"

enum BlockKind : int16_t { bar = 0, b4 = 1, base3 = 2, slab = 3, lh = 4, rh = 5, zblk = 6 };

constexpr int KindCount = 7;
constexpr int MaxModes = 12;
// The number of modes (orientations) of each kind.
constexpr int32_t kindModeCounts[KindCount] = {3, 1, 12, 3, 12, 12, 8};
constexpr int MaxBlockCells = 16;

struct CellOffset {
    int8_t dx, dy, dz;
};

struct ModeShape {
    int8_t count;
    CellOffset cells[MaxBlockCells];
};

struct KindInfo {
    const char* name;
    int32_t modeCount;
    int32_t cellValue;
    int32_t lift;  // start height below the top: 2 for the tall kinds, else 1
    ModeShape modes[MaxModes];
};

inline bool validKind(int k) { return k >= 0 && k < KindCount; }
// The kind's cells for a mode, or nullptr for an unknown kind or mode.
const ModeShape* shapeOf(int kind, int mode);

struct Block {
    int16_t kind = 0;
    int16_t mode = 0;
    int32_t modeCount = 0;
    int32_t x = 0, y = 0, z = 0;
    Well& well;

    explicit Block(Well& w);

    void build();
    void incX() { ++x, build(); }
    void decX() { --x, build(); }
    void incY() { ++y, build(); }
    void decY() { --y, build(); }
    void incZ() { ++z, build(); }
    void decZ() { --z, build(); }
    void incM();

    static int16_t weightedPick(const int32_t weights[KindCount]);
    void next();
    void start(int16_t newKind);
};

// The level's kind weights; levels above 6 use level 6's.
void kindWeights(int32_t level, int32_t weights[KindCount]);

extern std::deque<int16_t> kindQueue;
extern Block fallingBlock;
