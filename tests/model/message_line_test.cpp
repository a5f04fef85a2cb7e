// The message line's timing with a settable clock.
#include <gtest/gtest.h>

#include "render/message_line.h"
#include "tests/support/test_support.h"

using namespace testing_support;

namespace {

class MessageLineTest : public ::testing::Test {
protected:
    void SetUp() override { resetGame(); }
    // What the line shows at each of the next seconds (one frame each).
    std::vector<std::string> showFor(int seconds) {
        std::vector<std::string> shown;
        for (int i = 0; i < seconds; ++i, ++fakeNow) shown.push_back(currentMessage());
        return shown;
    }
};

std::vector<std::string> repeat(const std::string& text, int n) {
    return std::vector<std::string>(n, text);
}

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

}  // namespace

TEST_F(MessageLineTest, QueuedTextsShowInTurnAndTheLastStays) {
    postMessage("welcome", 4);
    postMessage("", 2);
    postMessage("tip", 7);
    postMessage("", 3);
    EXPECT_EQ(showFor(20), repeat("welcome", 4) + repeat("", 2) + repeat("tip", 7) + repeat("", 7));
}

TEST_F(MessageLineTest, PostedWithTwoSecondsShowsDuringTwoSeconds) {
    postMessage("a", 2);
    postMessage("b", 1);
    EXPECT_EQ(showFor(3), (std::vector<std::string>{"a", "a", "b"}));
}

TEST_F(MessageLineTest, UrgentTextStopsTheQueuedClock) {
    postMessage("queued", 7);
    showFor(2);  // 5 s left
    postMessage("after", 1);
    showUrgentMessage("urgent", 2);
    EXPECT_EQ(showFor(8), repeat("urgent", 2) + repeat("queued", 5) + repeat("after", 1));
}

TEST_F(MessageLineTest, SecondUrgentTextReplacesTheFirst) {
    postMessage("queued", 5);
    postMessage("next", 1);
    showUrgentMessage("first", 10);
    showFor(1);
    showUrgentMessage("second", 2);
    EXPECT_EQ(showFor(8), repeat("second", 2) + repeat("queued", 5) + repeat("next", 1));
}

TEST_F(MessageLineTest, ClearMessagesBlanksTheLineForASecond) {
    postMessage("long", 30);
    showFor(3);
    clearMessages();
    postMessage("posted", 5);
    EXPECT_EQ(showFor(3), (std::vector<std::string>{"", "posted", "posted"}));
}

TEST_F(MessageLineTest, ClearWhileUrgentKeepsTheUrgentText) {
    postMessage("long", 30);
    showUrgentMessage("urgent", 3);
    clearMessages();
    postMessage("posted", 5);
    EXPECT_EQ(showFor(5), repeat("urgent", 3) + repeat("", 1) + repeat("posted", 1));
}

TEST_F(MessageLineTest, PostingNeverChangesWhatIsShownNow) {
    postMessage("now", 3);
    EXPECT_EQ(std::string(currentMessage()), "now");
    postMessage("later", 3);
    EXPECT_EQ(std::string(currentMessage()), "now");
}

TEST_F(MessageLineTest, TextsAreHeldByPointer) {
    char buffer[8] = "abc";
    postMessage(buffer, 5);
    buffer[1] = 'X';
    EXPECT_STREQ(currentMessage(), "aXc");
}

TEST_F(MessageLineTest, EmptyLineAndUrgentFirstAreSafe) {
    EXPECT_STREQ(currentMessage(), "");
    showUrgentMessage("urgent", 1);
    postMessage("queued", 2);
    EXPECT_EQ(showFor(4), (std::vector<std::string>{"urgent", "queued", "queued", "queued"}));
}
