// The bottom line of the game window: texts queued for their own seconds, or
// shown at once over the queue. Texts are held by pointer and must outlive
// their entries (literals, the typed-text buffer).
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>

// The queue holds at most this many entries: repeated posts (a hint search
// over a deep hole posts one a pass) must not grow it without end. A post
// like the last waiting one joins it; any other post to a full queue drops
// its oldest waiting entry, so the newest news ("Game Over") is always seen.
constexpr std::size_t MaxQueuedMessages = 64;

struct MessageLine {
    struct Entry {
        const char* text;
        int32_t seconds;
        // Identical posts in a row, shown for their combined time.
        int32_t count = 1;
    };
    std::deque<Entry> queue;
    int64_t deadline = 0;  // a wall-clock second, or the seconds left while urgent
    int32_t urgentShowing = 0;
    const char* urgentText = nullptr;
    int64_t urgentEnd = 0;
};

extern MessageLine messageLine;

void postMessage(const char* text, int32_t seconds);
void showUrgentMessage(const char* text, int32_t seconds);
void clearMessages();
// The text to draw now; advances the line. Called once per frame.
const char* currentMessage();
