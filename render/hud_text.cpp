// The status line's text: level, score and the cheats left.
#include <cstdio>

#include "model/game_state.h"
#include "render/overlay.h"

char hudText[HudTextSize];

void formatHudText(char* out, size_t size, int32_t level, int32_t score, int32_t cheatsLeft) {
    if (out == nullptr || size == 0) return;
    std::snprintf(out, size, "Level: %d      Score: %d                    Number 6 Cheat: %d",
                  static_cast<int>(level), static_cast<int>(score), static_cast<int>(cheatsLeft));
}

const char* buildHudText() {
    formatHudText(hudText, sizeof hudText, gameState.level, gameState.score, gameState.cheatsLeft);
    return hudText;
}
