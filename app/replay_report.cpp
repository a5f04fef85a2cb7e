// Writing the replay player's summary of the game as it stands.
#include "app/replay_report.h"

#include <cstdio>
#include <cstring>

#include "app/replay_source.h"
#include "model/block.h"
#include "suggest/display_well.h"
#include "suggest/rule_book.h"

namespace {

char cellChar(int32_t value) {
    if (value == EmptyCell) return '.';
    if (value == SettledCube) return '#';
    if (value >= 1 && value <= 7) return static_cast<char>('0' + value);
    return '?';
}

std::string hintLine() {
    composeDisplayWell(true);
    std::size_t length = strnlen(hintText, HintTextSize);
    while (length > 0 && hintText[length - 1] == ' ') --length;
    if (length == 0) return "hint:\n";
    return "hint: " + std::string(hintText, length) + "\n";
}

}  // namespace

std::string replayReport(long steps) {
    std::string out;
    char line[256];
    std::snprintf(line, sizeof line,
                  "steps: %ld\nscore: %d\nlevel: %d\nlayers: %d\ncheats: %d\nrunning: %d\n"
                  "replay: %d\nblock: %d %d %d %d %d\n",
                  steps, gameState.score, gameState.level, gameState.layerCount,
                  gameState.cheatsLeft, gameState.gameRunning, gameState.replayMode,
                  fallingBlock.kind, fallingBlock.mode, fallingBlock.x, fallingBlock.y,
                  fallingBlock.z);
    out += line;
    out += hintLine();
    out += "well:\n";
    for (int32_t y = WellHeight - 1; y >= 0; --y) {
        std::snprintf(line, sizeof line, "%02d", y);
        out += line;
        for (int32_t z = 0; z < WellDepth; ++z) {
            out += ' ';
            for (int32_t x = 0; x < WellWidth; ++x) {
                const int32_t block = blockWell.cells[blockWell.index(x, y, z)];
                const int32_t settled = settledWell.cells[settledWell.index(x, y, z)];
                out += cellChar(block != EmptyCell ? block : settled);
            }
        }
        out += '\n';
    }
    return out;
}

std::string damagedTokenNote() {
    const std::size_t at = replaySource.damagedAt;
    std::string token;
    for (std::size_t i = at; i < at + TokenLength && i < replaySource.text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(replaySource.text[i]);
        if (c == '\n') break;
        char shown[8];
        std::snprintf(shown, sizeof shown,
                      c >= 32 && c < 127 && c != '"' && c != '\\' ? "%c" : "\\x%02x", c);
        token += shown;
    }
    return "playback stopped at byte " + std::to_string(at) + ", at the damaged token \"" + token +
           "\"";
}
