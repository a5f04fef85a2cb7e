// The message line's timing, one frame a second with the settable clock.
#include <gtest/gtest.h>

#include "model/block.h"
#include "model/game_step.h"
#include "model/message_line.h"
#include "tests/support/test_support.h"

using namespace testing_support;

TEST(MessageLineTest, QueuedAndUrgentTexts) {
    static const std::string gameOver = "Game Over. Press 'q' to quit or press 'p' to start over";
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
        // Three of a kind (a hint over a three-deep gap) show for their time
        // together; a post like the current text follows it.
        {"identical posts in a row show for their combined time",
         [] {
             postMessage("a", 2), frames(1), postMessage("a", 2), postMessage("b", 3);
             postMessage("b", 3), postMessage("b", 3), postMessage("c", 1);
         },
         16, times("a", 3) + times("b", 9) + times("c", 4)},
        {"a full queue drops its oldest waiting texts for the newest",
         [] {
             for (int i = 0; i < 100; ++i) postMessage(i % 2 ? "b" : "a", 1);
             fillSettled({{2, 19, 3}}), startKind(bar);  // the next bar cannot start
             fallingBlock.x = fallingBlock.y = 0, fallingBlock.build(), gameStep();
         },
         114,
         times(gameOver, 25) + "a|" + times("b|a", 30) + "b|" + times(gameOver, 25) +
             times("I feel so sorry, I will make sure you don't lose again", 2)},
    };
    for (const auto& [what, setUp, seconds, expected] : cases) {
        resetGame();
        setUp();
        EXPECT_EQ(frames(seconds), expected) << what;
    }
}
