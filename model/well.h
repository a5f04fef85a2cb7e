// The well: a grid of cells that holds every piece of game geometry (the
// settled stack, the falling block, the frame's picture, the search board).
// Out-of-grid access is reported through gameState.status, never by
// touching memory outside the array.
#pragma once

#include <cstdint>
#include <memory>

#include "model/game_state.h"

constexpr int32_t EmptyCell = 0;
constexpr int32_t SettledCube = 8;

constexpr int32_t WellWidth = 4;
constexpr int32_t WellHeight = 20;
constexpr int32_t WellDepth = 6;
constexpr int32_t WellCells = WellWidth * WellHeight * WellDepth;

struct Well {
    int32_t width;
    int32_t height;
    int32_t depth;
    std::unique_ptr<int32_t[]> cells;

    Well(int32_t w, int32_t h, int32_t d);
    Well(const Well&) = delete;
    Well& operator=(const Well&) = delete;

    bool inside(int32_t x, int32_t y, int32_t z) const {
        return x >= 0 && x < width && y >= 0 && y < height && z >= 0 && z < depth;
    }
    int32_t index(int32_t x, int32_t y, int32_t z) const { return x + width * (y + height * z); }

    // The cell's value, or -1 (and OutOfWell) outside the grid.
    int32_t cell(int32_t x, int32_t y, int32_t z) const {
        if (!inside(x, y, z)) {
            setStatus(OutOfWell);
            return -1;
        }
        return cells[index(x, y, z)];
    }
    // 0 when written; -1 (nothing written, OutOfWell) outside the grid.
    int32_t setCell(int32_t x, int32_t y, int32_t z, int32_t value) {
        if (!inside(x, y, z)) {
            setStatus(OutOfWell);
            return -1;
        }
        cells[index(x, y, z)] = value;
        return 0;
    }

    void clear();
    // Sets Collision at the first cell occupied in both a and b; the receiver
    // only supplies the dimensions.
    void collides(const Well& a, const Well& b) const;
    // Non-empty cells of a, then of b (b wins); empty cells left as they were.
    void overlay(const Well& a, const Well& b);
    // Every cell occupied in other becomes a settled cube here.
    void mergeSettled(const Well& other);

    bool isLayerFull(int32_t y) const;
    void removeLayer(int32_t y);
    void clearFullLayers();

    bool hasGap() const;
    void fillGaps();
};

// The four game-wide wells.
extern Well settledWell;
extern Well blockWell;
extern Well displayWell;
extern Well searchWell;
