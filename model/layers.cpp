// Full layers: removal, points, level and the cheat counter.
#include "model/sound_cue.h"
#include "model/well.h"

namespace {
// Points by layers removed at once (4 or more score as 4).
constexpr int32_t layerPoints[] = {0, 10, 40, 360, 5760};
}  // namespace

bool Well::isLayerFull(int32_t y) const {
    for (int32_t x = 0; x < width; ++x)
        for (int32_t z = 0; z < depth; ++z)
            if (cell(x, y, z) == 0) return false;
    return true;
}

void Well::removeLayer(int32_t y) {
    for (int32_t row = y; row <= height - 2; ++row)
        for (int32_t x = 0; x < width; ++x)
            for (int32_t z = 0; z < depth; ++z) setCell(x, row, z, cell(x, row + 1, z));
    for (int32_t x = 0; x < width; ++x)
        for (int32_t z = 0; z < depth; ++z) setCell(x, height - 1, z, 0);
}

void Well::clearFullLayers() {
    int32_t removed = 0;
    for (int32_t y = 0; y < height;) {
        if (isLayerFull(y)) {
            removeLayer(y);
            ++removed;
            y = 0;
        } else {
            ++y;
        }
    }
    if (removed == 0) return;

    gameState.addLayers(removed);
    gameState.addScore(layerPoints[removed < 4 ? removed : 4]);
    gameState.addCheats(removed);
    while (gameState.layerCount >= 10) {
        gameState.addLevel(1);
        playCue(CueLevelUp);
        gameState.layerCount -= 10;
    }
    while (gameState.score >= 10000) {
        gameState.score -= 10000;
        gameState.addCheats(1);
    }
}
