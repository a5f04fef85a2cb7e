// The timed message queue. An urgent text stops the queued entry's clock:
// while it shows, deadline holds the seconds the entry has left.
#include "model/message_line.h"

#include "model/seams.h"

MessageLine messageLine;

void postMessage(const char* text, int32_t seconds) {
    if (messageLine.queue.size() >= MaxQueuedMessages) return;
    if (messageLine.queue.empty())
        messageLine.deadline = messageLine.urgentShowing ? seconds : nowSeconds() + seconds;
    messageLine.queue.push_back({text, seconds});
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
        if (messageLine.queue.size() > 1) messageLine.queue.pop_front();
        messageLine.deadline = now + messageLine.queue.front().seconds;
    }
    return messageLine.queue.front().text;
}
