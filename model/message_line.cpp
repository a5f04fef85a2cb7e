// The timed message queue. An urgent text stops the queued entry's clock:
// while it shows, deadline holds the seconds the entry has left.
#include "model/message_line.h"

#include <cstring>
#include <limits>

#include "model/seams.h"

MessageLine messageLine;

namespace {

// The time an entry shows once it is current.
int64_t showingTime(const MessageLine::Entry& entry) {
    return static_cast<int64_t>(entry.seconds) * entry.count;
}

}  // namespace

void postMessage(const char* text, int32_t seconds) {
    auto& queue = messageLine.queue;
    // Only a waiting entry is joined: the current one keeps its own clock.
    if (queue.size() > 1 && queue.back().seconds == seconds &&
        std::strcmp(queue.back().text, text) == 0) {
        if (queue.back().count < std::numeric_limits<int32_t>::max()) ++queue.back().count;
        return;
    }
    if (queue.size() >= MaxQueuedMessages) queue.erase(queue.begin() + 1);
    if (queue.empty())
        messageLine.deadline = messageLine.urgentShowing ? seconds : nowSeconds() + seconds;
    queue.push_back({text, seconds});
}

void showUrgentMessage(const char* text, int32_t seconds) {
    const int64_t now = nowSeconds();
    messageLine.urgentText = text;
    messageLine.urgentEnd = now + seconds;
    if (!messageLine.urgentShowing) {
        messageLine.deadline -= now;
        messageLine.urgentShowing = 1;
    }
}

void clearMessages() {
    messageLine.queue.clear();
    messageLine.queue.push_back({"", 1});
    messageLine.deadline = messageLine.urgentShowing ? 1 : nowSeconds() + 1;
}

const char* currentMessage() {
    const int64_t now = nowSeconds();
    if (messageLine.urgentShowing) {
        if (now < messageLine.urgentEnd) return messageLine.urgentText;
        messageLine.urgentShowing = 0;
        messageLine.deadline += now;
    }
    if (messageLine.queue.empty()) return "";
    if (now >= messageLine.deadline) {
        // The next entry for its whole time; a lone last one again and
        // again for its own seconds.
        if (messageLine.queue.size() > 1)
            messageLine.queue.pop_front();
        else
            messageLine.queue.front().count = 1;
        messageLine.deadline = now + showingTime(messageLine.queue.front());
    }
    return messageLine.queue.front().text;
}
