// Counting the game window's frames, and the first swap's time on request.
#include "app/game_frames.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "render/scene.h"

long gameFramesDrawn = 0;

void drawGameFrame() {
    displayFrame();
    const char* report = gameFramesDrawn++ == 0 ? std::getenv("ZANDOK_FIRST_SWAP_EXIT") : nullptr;
    if (report && *report) {
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        std::fprintf(stderr, "first swap %lld\n",
                     static_cast<long long>(
                         std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
        std::exit(0);
    }
}
