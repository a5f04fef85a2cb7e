// Whole-well operations, walking the cell arrays directly.
#include "model/well.h"

#include <algorithm>

Well::Well(int32_t w, int32_t h, int32_t d)
    : width(w), height(h), depth(d), cells(new int32_t[static_cast<size_t>(w) * h * d]()) {}

void Well::clear() { std::fill_n(cells.get(), width * height * depth, 0); }

// Every well of the game has the same size, so the loops walk the arrays
// side by side.
void Well::collides(const Well& a, const Well& b) const {
    const int32_t n = width * height * depth;
    for (int32_t i = 0; i < n; ++i) {
        if (a.cells[i] != 0 && b.cells[i] != 0) {
            setStatus(Collision);
            return;
        }
    }
}

void Well::overlay(const Well& a, const Well& b) {
    const int32_t n = width * height * depth;
    for (int32_t i = 0; i < n; ++i) {
        if (a.cells[i] != 0) cells[i] = a.cells[i];
        if (b.cells[i] != 0) cells[i] = b.cells[i];
    }
}

void Well::mergeSettled(const Well& other) {
    const int32_t n = width * height * depth;
    for (int32_t i = 0; i < n; ++i)
        if (other.cells[i] != 0) cells[i] = SettledCube;
}
