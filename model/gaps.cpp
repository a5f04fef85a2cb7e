// Gaps: empty cells directly below an occupied one. The cell above the top
// layer lies outside the well and counts as empty.
#include "model/message_line.h"
#include "model/well.h"

bool Well::hasGap() const {
    for (int32_t x = 0; x < width; ++x)
        for (int32_t y = 0; y < height; ++y)
            for (int32_t z = 0; z < depth; ++z)
                if (cell(x, y + 1, z) > 0 && cell(x, y, z) == 0) return true;
    return false;
}

void Well::fillGaps() {
    bool filled = false;
    // Upwards, so a cell filled in this pass is never read as "above".
    for (int32_t x = 0; x < width; ++x)
        for (int32_t y = 0; y < height; ++y)
            for (int32_t z = 0; z < depth; ++z)
                if (cell(x, y + 1, z) > 0) {
                    if (cell(x, y, z) == 0) filled = true;
                    setCell(x, y, z, SettledCube);
                }
    if (filled) postMessage("Some holes are now filled!", 3);
}
