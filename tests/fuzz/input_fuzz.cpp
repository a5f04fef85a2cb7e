// Fuzz target: any bytes as a player at the keyboard and the mouse, with the
// idle clock between: every event the game window gets, prompts included.
// File names typed at a prompt are any bytes but '/', so they stay inside
// the target's own folder. Drags reach across the whole int range too, in
// both mouse modes (key z switches them).
#include <algorithm>
#include <climits>
#include <cstdint>

#include "app/commands.h"
#include "app/idle.h"
#include "app/input_state.h"
#include "app/mouse.h"
#include "app/recording.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

int64_t fakeClock = 0;

unsigned char typed(uint8_t byte) {
    const bool naming = inputState.enteringSaveName || inputState.enteringLoadName;
    return naming && byte == '/' ? '_' : byte;
}

// The ends of the int range, and places near them and near the middle.
const int farPlaces[] = {INT_MIN, INT_MAX, INT_MIN + 1, INT_MAX - 1, -1, 0, 1 << 30, -(1 << 30)};

// A place a small step from another, kept within the int range that the far
// drags reach.
int nearBy(int from, int8_t step) {
    return static_cast<int>(std::clamp<int64_t>(int64_t{from} + step, INT_MIN, INT_MAX));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const InFuzzFolder folder;
    for (const auto& entry : std::filesystem::directory_iterator("."))
        std::filesystem::remove_all(entry);  // what the last run's prompts made
    freshProgram(static_cast<unsigned>(size));
    fakeClock = 1000;
    seams.wallClock = [] { return fakeClock; };
    startRecording();
    for (size_t i = 0; i + 1 < size && !exitAsked; i += 2) {
        const uint8_t what = data[i], arg = data[i + 1];
        const int event = what % 5;
        if (event == 0)
            onKey(typed(arg), 0, 0);
        else if (event == 1)
            onSpecialKey(arg, 0, 0);
        else if (event == 2)
            onMouseButton(arg % 3, arg / 3 % 2, arg, what);
        else if (event == 3 && what >= 128)
            onMouseDrag(farPlaces[arg % 8], farPlaces[arg / 8 % 8]);
        else if (event == 3)
            onMouseDrag(nearBy(inputState.lastMouseX, static_cast<int8_t>(arg)),
                        nearBy(inputState.lastMouseY, static_cast<int8_t>(what)));
        else
            fakeClock += arg % 8, onIdle();
    }
    closeRecording();
    return 0;
}
