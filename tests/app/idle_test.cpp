// The idle clock: gravity's whole-second schedule, how long the passes may
// sleep while no window shows, a game left hidden that falls, records and
// speaks as a watched one, and a playback's token a pass.
#include "app/idle.h"
#include "app/mouse.h"
#include "tests/app/shell_fixture.h"

TEST_F(ShellTest, AHiddenGameSleepsUntilTheNextSecondItsClockChangesAnything) {
    // Name, shown, running, paused, replaying, next fall, message line (none,
    // a queued entry until 1002, or an urgent text until 1001); the sleep.
    enum Line { NoLine, Queued, Urgent };
    const int64_t at = 1000 * 1000 + 250;  // a quarter into second 1000
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

TEST_F(ShellTest, GravityRunsOnAWholeSecondScheduleWithoutMakingUpMissedSteps) {
    // What happens; then the level, the block's height and when the next
    // step is due.
    struct Step {
        const char* name;
        void (*act)();
        int level, y, due;
    };
    const Step steps[] = {
        {"the first pass steps at once", [] { onIdle(); }, 0, 18, 6},
        {"not due yet", [] { fakeNow += 5, onIdle(); }, 0, 18, 1},
        {"due on the whole second", [] { fakeNow += 1, onIdle(); }, 0, 17, 6},
        {"missed steps are not made up", [] { fakeNow += 100, onIdle(); }, 0, 16, 6},
        {"the level key leaves the due time", [] { press("+"), onIdle(); }, 1, 16, 6},
        {"the next interval is the new level's", [] { fakeNow += 6, onIdle(); }, 1, 15, 5},
        {"paused, nothing moves", [] { press("q"), fakeNow += 20, onIdle(); }, 1, 15, -15},
        {"going on steps at once", [] { press("no\r"), onIdle(); }, 1, 14, 5},
        {"going on before the step is due waits for it",
         [] { press("q"), fakeNow += 1, press("no\r"), onIdle(); }, 1, 14, 4},
        {"a landing that lifts the level: the interval is the old level's",
         [] {
             for (int i = 0; i < 24; ++i)
                 if (i % 4 != 2 || i / 4 < 2) fillSettled({{i % 4, 0, i / 4}});
             gameState.layerCount = 9, fallingBlock.y = 0, fallingBlock.build();
             fakeNow += 5, onIdle();
         },
         2, 19, 5},
        {"a restart leaves the due time", [] { fakeNow += 1, press("p"), onIdle(); }, 0, 19, 4},
    };
    for (const Step& step : steps) {
        step.act();
        EXPECT_EQ(std::tuple(gameState.level, fallingBlock.y, gameState.nextFallTime - fakeNow),
                  std::tuple(step.level, step.y, step.due))
            << step.name;
    }
}

// The game from second 1000 at level 4 (a step every 2 seconds), with a
// greeting and an urgent text, for 30 seconds: watched (a pass and its
// frame every 100 ms) or hidden (a hidden pass whenever the sleep ends)
// falls, records and speaks the same. Then a playback: one token a pass,
// none in a hidden or paused pass, while gravity waits.
TEST_F(ShellTest, AHiddenGameFallsRecordsAndSpeaksAsAWatchedOneAndAPlaybackWaits) {
    // What it shows and has recorded at every second.
    const auto playFor30Seconds = [this](bool watched) {
        reset();
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
    };
    const std::vector<std::string> watched = playFor30Seconds(true);
    EXPECT_EQ(playFor30Seconds(false), watched);
    EXPECT_NE(watched.back().find("dropdropdrop"), std::string::npos);

    reset();
    press("9" + temp("r.txt", "INI1dropdecXdecZ") + "\r");
    const int64_t due = gameState.nextFallTime;
    onIdle();  // the file's header
    for (int i = 0; i < 5; ++i) ++fakeNow, onHiddenIdle();
    gameState.paused = 1, onIdle(), gameState.paused = 0;
    EXPECT_EQ(std::tuple(recorded(), replaySource.position), std::tuple("INI1", 4u));
    press(" 0ab");  // the fall key plays a token; an open name prompt takes none
    onIdle();       // and arrow keys and drags type their letters into it
    onSpecialKey(KeyLeft, 0, 0), onSpecialKey(KeyDown, 0, 0), onMouseDrag(320, 300);
    EXPECT_EQ(std::tuple(recorded(), std::string(inputState.typedText)),
              std::tuple("INI1dropdecX", "abaxd"));
    seamLog.clear();
    onIdle(), onIdle(), onIdle();  // the last, after the end, only synchronises and redraws
    EXPECT_EQ(std::tuple(gameState.replayMode, gameState.gameRunning, gameState.nextFallTime,
                         seamLog, recorded()),
              std::tuple(0, 0, due, "SCRRSCRSCR", "INI1dropdecXdecZ"));  // gravity did not run
}
