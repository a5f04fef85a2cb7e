// The message line's timing, one frame a second with the settable clock.
#include <gtest/gtest.h>

#include "model/message_line.h"
#include "tests/support/test_support.h"

using namespace testing_support;

TEST(MessageLineTest, QueuedAndUrgentTexts) {
    // What happens, for how many seconds the line is watched, what it shows.
    const std::tuple<const char*, void (*)(), int, std::string> cases[] = {
        {"texts in turn, the lone last one stays",
         [] { postMessage("hi", 4), postMessage("", 2), postMessage("tip", 7); }, 16,
         times("hi", 4) + times("", 2) + times("tip", 10)},
        {"urgent text holds the queued clock",
         [] { postMessage("q", 7), frames(2), postMessage("next", 1), showUrgentMessage("u", 2); },
         8, times("u", 2) + times("q", 5) + "next|"},
        {"a second urgent text replaces the first",
         [] {
             postMessage("q", 5), postMessage("next", 1), showUrgentMessage("first", 10);
             frames(1), showUrgentMessage("second", 2);
         },
         8, times("second", 2) + times("q", 5) + "next|"},
        {"clear blanks the line for a second",
         [] { postMessage("long", 30), frames(3), clearMessages(), postMessage("p", 5); }, 3,
         "|p|p|"},
        {"clear keeps an urgent text to its end",
         [] {
             postMessage("long", 30), showUrgentMessage("u", 3), clearMessages(),
                 postMessage("p", 5);
         },
         5, times("u", 3) + "|p|"},
        {"a post to a full queue is dropped",
         [] {
             for (int i = 0; i < 70; ++i) postMessage(i < 64 ? "q" : "dropped", 1);
         },
         66, times("q", 66)},
    };
    for (const auto& [what, setUp, seconds, expected] : cases) {
        resetGame();
        setUp();
        EXPECT_EQ(frames(seconds), expected) << what;
    }
}
