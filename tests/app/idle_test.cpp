// The idle passes while no window shows: how long they may sleep, and a game
// left hidden that falls, records and speaks as a watched one, while a
// playback waits.
#include "app/idle.h"
#include "tests/app/shell_fixture.h"

namespace {

const int64_t at = 1000 * 1000 + 250;  // a quarter into second 1000

}  // namespace

TEST_F(ShellTest, AHiddenGameSleepsUntilTheNextSecondItsClockChangesAnything) {
    // Name, shown, running, paused, replaying, next fall, message line (none,
    // a queued entry until 1002, or an urgent text until 1001); the sleep.
    enum Line { NoLine, Queued, Urgent };
    const std::tuple<const char*, bool, int, int, int, int64_t, Line, int64_t> rows[] = {
        {"shown", true, 1, 0, 0, 1003, NoLine, 0},
        {"gravity", false, 1, 0, 0, 1003, NoLine, 2750},
        {"gravity due, clock late", false, 1, 0, 0, 1000, NoLine, 1},
        {"message first", false, 1, 0, 0, 1003, Queued, 1750},
        {"gravity first", false, 1, 0, 0, 1001, Queued, 750},
        {"urgent", false, 1, 0, 0, 1003, Urgent, 750},
        {"prompt open", false, 1, 1, 0, 1001, Queued, 1750},
        {"playback", false, 1, 0, 1, 1001, Queued, 1750},
        {"game over", false, 0, 0, 0, 1001, Queued, 1750},
        {"nothing due", false, 0, 0, 0, 1001, NoLine, sleepUntilEvent}};
    for (const auto& [name, shown, running, paused, replaying, fall, line, sleep] : rows) {
        reset();
        gameState.gameRunning = running, gameState.paused = paused;
        gameState.replayMode = replaying, gameState.nextFallTime = fall;
        if (line == Queued) postMessage("a", 2);
        if (line == Urgent) postMessage("a", 2), showUrgentMessage("b", 1);
        EXPECT_EQ(idleSleepMilliseconds(shown, at), sleep) << name;
    }
}

// The game from second 1000 at level 4 (a step every 2 seconds), with a
// greeting and an urgent text, for 30 seconds: watched (a pass and its
// frame every 100 ms) or hidden (a hidden pass whenever the sleep ends).
// What it shows and has recorded at every second.
class HiddenGameTest : public ShellTest {
protected:
    std::vector<std::string> playFor30Seconds(bool watched) {
        gameState.level = 4, gameState.nextFallTime = fakeNow;
        postMessage("welcome", 4), postMessage("", 2), postMessage("tip", 7), postMessage("", 3);
        showUrgentMessage("urgent", 3);
        std::vector<std::string> seconds;
        for (int64_t ms = fakeNow * 1000, end = ms + 30000; ms < end;) {
            if (watched)
                onIdle(), currentMessage(), ms += 100;
            else
                onHiddenIdle(), ms += idleSleepMilliseconds(false, ms);
            for (; fakeNow < ms / 1000; ++fakeNow) {
                const MessageLine& m = messageLine;
                seconds.push_back(std::to_string(fakeNow) + (m.urgentShowing ? m.urgentText : "") +
                                  m.queue.front().text + std::to_string(m.deadline) + recorded());
            }
        }
        return seconds;
    }
};

TEST_F(HiddenGameTest, AHiddenGameFallsRecordsAndSpeaksAsAWatchedOneAndAPlaybackWaits) {
    const std::vector<std::string> watched = playFor30Seconds(true);
    reset();
    EXPECT_EQ(playFor30Seconds(false), watched);
    EXPECT_NE(watched.back().find("dropdropdrop"), std::string::npos);

    reset();
    press("9" + temp("r.txt", "INI1dropdecXdecZ") + "\r");
    onIdle();
    for (int i = 0; i < 5; ++i) ++fakeNow, onHiddenIdle();
    EXPECT_EQ(std::tuple(recorded(), replaySource.position), std::tuple("INI1", 4u));
    onIdle();
    EXPECT_EQ(recorded(), "INI1drop");
}
