// The bottom line of the game window: texts queued for their own seconds, or
// shown at once over the queue. Texts are held by pointer and must outlive
// their entries (literals, the typed-text buffer).
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>

// A post to a queue this long is dropped: repeated posts (a hint search over
// a deep hole posts one a pass) must not grow it without end.
constexpr std::size_t MaxQueuedMessages = 64;

struct MessageLine {
    struct Entry {
        const char* text;
        int32_t seconds;
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
