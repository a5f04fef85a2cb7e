// The well's share of the frame: every occupied cell becomes a cube.
#include "model/well.h"
#include "render/scene.h"

void Well::drawCells() const {
    for (int32_t x = 0; x < width; ++x)
        for (int32_t y = 0; y < height; ++y)
            for (int32_t z = 0; z < depth; ++z) {
                const int32_t value = cell(x, y, z);
                if (value != 0) drawCell(x, y, z, value);
            }
}
