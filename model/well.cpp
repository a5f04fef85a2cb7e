// Whole-well operations. When all wells involved have the same size (as every
// well of the game has) the loops walk the arrays directly; the result is the
// same as going through the bounds-checked accessors.
#include "model/well.h"

#include <algorithm>

Well::Well(int32_t w, int32_t h, int32_t d)
    : width(w), height(h), depth(d), cells(new int32_t[static_cast<size_t>(w) * h * d]()) {}

void Well::clear() { std::fill_n(cells.get(), width * height * depth, 0); }

namespace {
bool sameSize(const Well& a, const Well& b) {
    return a.width == b.width && a.height == b.height && a.depth == b.depth;
}
}  // namespace

void Well::collides(const Well& a, const Well& b) const {
    if (sameSize(*this, a) && sameSize(*this, b)) {
        const int32_t n = width * height * depth;
        for (int32_t i = 0; i < n; ++i) {
            if (a.cells[i] != 0 && b.cells[i] != 0) {
                setStatus(Collision);
                return;
            }
        }
        return;
    }
    for (int32_t x = 0; x < width; ++x)
        for (int32_t y = 0; y < height; ++y)
            for (int32_t z = 0; z < depth; ++z)
                if (a.cell(x, y, z) != 0 && b.cell(x, y, z) != 0) {
                    setStatus(Collision);
                    return;
                }
}

void Well::overlay(const Well& a, const Well& b) {
    if (sameSize(*this, a) && sameSize(*this, b)) {
        const int32_t n = width * height * depth;
        for (int32_t i = 0; i < n; ++i) {
            if (a.cells[i] != 0) cells[i] = a.cells[i];
            if (b.cells[i] != 0) cells[i] = b.cells[i];
        }
        return;
    }
    for (int32_t x = 0; x < width; ++x)
        for (int32_t y = 0; y < height; ++y)
            for (int32_t z = 0; z < depth; ++z) {
                if (a.cell(x, y, z) != 0) setCell(x, y, z, a.cell(x, y, z));
                if (b.cell(x, y, z) != 0) setCell(x, y, z, b.cell(x, y, z));
            }
}

void Well::mergeSettled(const Well& other) {
    if (sameSize(*this, other)) {
        const int32_t n = width * height * depth;
        for (int32_t i = 0; i < n; ++i)
            if (other.cells[i] != 0) cells[i] = SettledCube;
        return;
    }
    for (int32_t x = 0; x < width; ++x)
        for (int32_t y = 0; y < height; ++y)
            for (int32_t z = 0; z < depth; ++z)
                if (other.cell(x, y, z) != 0) setCell(x, y, z, SettledCube);
}
