// The keyboard, the prompts, the restart, the mouse and special keys, and the
// idle clock, without a display.
#include <sys/stat.h>

#include <cmath>
#include <limits>

#include "app/idle.h"
#include "app/mouse.h"
#include "tests/app/shell_fixture.h"

TEST_F(ShellTest, EveryCommandActsRecordsSoundsAndSpeaksByItsRules) {
    GameState& g = gameState;
    ViewSettings& v = viewSettings;
    int32_t none = 0, *x = &fallingBlock.x, *y = &fallingBlock.y, *z = &fallingBlock.z;
    // Key; what it records and the urgent message it shows, for how many
    // seconds; its cue with sound on and off; a value it sets (or none), from
    // before to after; whether it needs a running game; the window calls.
    const std::tuple<char, const char*, const char*, int, int, int, int32_t*, int, int, bool,
                     const char*>
        rows[] = {
            {'d', "incX", "", 0, CueMove, 0, x, 1, 2, true, "R"},
            {'a', "decX", "", 0, CueMove, 0, x, 1, 0, true, "R"},
            {'x', "incZ", "", 0, CueMove, 0, z, 1, 2, true, "R"},
            {'w', "decZ", "", 0, CueMove, 0, z, 2, 1, true, "R"},
            {'?', "",
             "1: ViewO 2:ViewP 3:Grid 4:Wireframe 5:Sound 6: Cheat 7:Align 9:Load Replay 0:Save "
             "Replay h: Hint",
             10, 0, 0, &none, 0, 0, false, "R"},
            {'s', "incM", "", 0, CueRotate, 0, &none, 0, 0, true, "R"},
            {' ', "drop", "", 0, 0, 0, y, 10, 9, true, "R"},
            {'H', "HINT", "", 0, 0, 0, y, 10, 0, true, "R"},
            {'h', "",
             "Hints ON - shown in different colour (WARNING: They might not be the most optimal "
             "choices!  Beware!)",
             2, CueHints, CueHints, &g.hintsOn, 0, 1, true, "R"},
            {'+', "", "", 0, CueLevelUp, CueLevelUp, &g.level, 4, 5, true, "R"},
            {'+', "", "", 0, 0, 0, &g.level, 5, 5, true, "R"},
            {'1', "", "Orthogonal View", 2, CueView, 0, &v.orthogonal, 0, 1, false, "PR"},
            {'2', "", "Perspective View", 2, CueView, 0, &v.orthogonal, 1, 0, false, "PR"},
            {'3', "", "Gridlines OFF", 2, CueView, 0, &v.gridlines, 1, 0, false, "R"},
            {'4', "", "Wireframe ON", 2, CueView, 0, &v.wireframe, 0, 1, false, "R"},
            {'5', "", "Sound OFF", 2, 0, 0, &g.soundOn, 1, 0, false, "R"},
            {'z', "", "Zoom ON", 2, CueView, 0, &v.navigating, 0, 1, false, "R"},
            {'6', "ngap", "OMG! You are such a cheater.  All holes are now filled", 2, CueCheat, 0,
             &g.cheatsLeft, 5, 4, false, "R"},
            {'6', "", "Sorry, you cheated too much!", 2, CueCheat, 0, &g.cheatsLeft, 0, 0, false,
             "R"},
            {'7', "", "View Mode Corrected", 2, CueView, 0, &v.angleY, 123, 0, false, "R"},
            {'9', "", "Please input the name of the replay file to read from", 5, CueLoadReplay, 0,
             &inputState.enteringLoadName, 0, 1, false, "R"},
            {'0', "", "Please enter the name of the recorded file", 5, CueSaveReplay, 0,
             &inputState.enteringSaveName, 0, 1, false, "R"},
            {'q', "", "Game is paused.  Type 'yes' to quit, anything else to continue", 20,
             CuePause, 0, &g.paused, 0, 1, false, "R"},
            {'p', "INI0", "", 0, CueRestart, 0, &g.score, 7, 0, false, "RR"},
        };
    for (const auto& [key, word, text, seconds, on, off, value, before, after, gated, seam] : rows)
        for (int pass = 0; pass < 3; ++pass) {  // running with sound, without, after the game
            SCOPED_TRACE(std::string("key '") + key + "' pass " + std::to_string(pass));
            reset();
            g.soundOn = pass != 1, g.gameRunning = pass != 2, *y = 10, *value = before;
            fallingBlock.build();
            press(std::string(1, key));
            const bool acts = pass < 2 || !gated;
            const int cue = acts ? (pass == 1 ? off : on) : 0;
            const int64_t shown = urgent().empty() ? 0 : messageLine.urgentEnd - fakeNow;
            EXPECT_EQ(
                std::tuple(recorded(), playedCues, urgent(), shown, *value, seamLog),
                std::tuple(acts ? word : "", std::vector<int>(cue != 0, cue), acts ? text : "",
                           acts ? seconds : 0, acts ? after : before, acts ? seam : "R"));
        }
}

TEST_F(ShellTest, PromptsTakeEveryKeyUntilEnterOrEscAndOpenTheirFiles) {
    // Keys, and whether the game ends.
    const std::pair<const char*, bool> rows[] = {
        {"0d6 \x1b", false}, {"9d6 \x1b", false}, {"qd6 \r", false}, {"qYes\r", false},
        {"qyes \r", false},  {"qye\r", false},    {"qyes\r", true},  {"q\x1b", true}};
    for (const auto& [keys, quits] : rows) {
        reset();
        press(keys);  // typed, not run
        // Closed, and the typed text emptied (unless the game ended).
        const int open = inputState.enteringSaveName + inputState.enteringLoadName +
                         (quits ? 0 : inputState.typedLength);
        EXPECT_EQ(std::tuple(seamLog, gameState.paused, recorded(), gameState.cheatsLeft, open),
                  std::tuple(quits ? "RX0" : "R", +quits, "", 5, 0))
            << keys;
    }
    reset();
    press("0" + std::string(97, 'k'));
    EXPECT_EQ(std::tuple(messageLine.urgentText, inputState.typedLength),
              std::tuple(inputState.typedText, 97));  // shown as it is typed
    press("kab");                                     // the 98th empties the text
    EXPECT_STREQ(inputState.typedText, "ab");
    const std::string fifo = tempPath("fifo");
    mkfifo(fifo.c_str(), 0600);  // with no writer: never waited on
    for (const std::string& name : {tempPath("missing.txt"), temp("game.txt", "INI2") + '\0', fifo,
                                    ::testing::TempDir(), std::string("/dev/zero")}) {
        reset();
        press("d9" + name + "\r");
        EXPECT_EQ(std::tuple(urgent(), messageLine.urgentEnd - fakeNow, gameState.replayMode,
                             inputState.enteringLoadName, recorded()),
                  std::tuple("File cannot be read", 5, 0, 0, "incX"))
            << name;
    }
}

TEST_F(ShellTest, RestartResetsTheGameInOrderAndLeavesTheView) {
    GameState& g = gameState;
    ViewSettings& v = viewSettings;
    int32_t *save = &inputState.enteringSaveName, *load = &inputState.enteringLoadName;
    // Each value, what it holds before, and what the restart leaves in it.
    int32_t* const values[] = {
        &v.angleX,      &v.angleY,    &v.angleZ,     &v.navigating, &g.hintsOn,    &g.replayMode,
        &g.gameRunning, &g.soundOn,   &g.score,      &g.level,      &g.layerCount, &g.cheatsLeft,
        &v.wireframe,   &v.gridlines, &v.orthogonal, &v.rotateY,    save,          load};
    const std::vector<int> before = {5, 5, 5, 1, 1, 1, 0, 0, 5, 5, 5, 1, 1, 0, 0, 1, 1, 1},
                           after = {0, 0, 0, 0, 0, 0, 1, 1, 0, 0, 0, 5, 1, 0, 0, 1, 0, 0};
    for (size_t i = 0; i < before.size(); ++i) *values[i] = before[i];
    fillSettled({{0, 0, 0}}), displayWell.setCell(1, 1, 1, 4), recordWord(Word::Drop);
    v.zoom = 0.7f, g.nextFallTime = fakeNow + 4;
    scriptRandom({10});  // a b4 by level 5's weights, a bar by level 0's
    restartGame();
    std::vector<int> left;
    for (int32_t* value : values) left.push_back(*value);
    std::string queued;  // the queued texts
    for (const auto& entry : messageLine.queue) queued += std::string(entry.text) + "|";
    // The kind is drawn before the counters are reset; sound was off.
    EXPECT_EQ(std::tuple(left, settledWell.cell(0, 0, 0), displayWell.cell(1, 1, 1), v.zoom,
                         g.nextFallTime, fallingBlock.kind, recorded(), playedCues.size(), queued),
              std::tuple(after, 0, 0, 0.7f, fakeNow + 4, b4, "INI1", 0u,
                         "|Game Restarted|Hope you are enjoying Zandok.|"));
}

TEST_F(ShellTest, MouseAndSpecialKeysSteerNavigateAndGiveTheirKeys) {
    // View angle, motion, recorded word, and the angle reduced to one turn.
    const std::tuple<int, int, int, const char*, int> rows[] = {
        {0, 11, 0, "incX", 0},     {0, -11, 0, "decX", 0},     {0, 0, 11, "incZ", 0},
        {0, 0, -11, "decZ", 0},    {0, 10, -10, "", 0},        {0, -10, 10, "", 0},
        {0, 20, 20, "incX", 0},    {89, 11, 0, "incX", 89},    {90, 11, 0, "incZ", 90},
        {179, 0, 20, "incX", 179}, {180, 11, 0, "decX", 180},  {180, 0, 11, "decZ", 180},
        {269, 11, 0, "decX", 269}, {270, 11, 0, "decZ", 270},  {359, 0, 11, "incX", 359},
        {725, 0, 0, "", 5},        {-450, 11, 0, "decZ", 270}, {-1, -11, 0, "incZ", 359}};
    for (const auto& [angle, dx, dy, word, stored] : rows) {
        reset(), viewSettings.angleY = angle;
        onMouseDrag(300 + dx, 300 + dy);  // the last position starts at the centre
        EXPECT_EQ(std::tuple(recorded(), viewSettings.angleY, seamLog.back()),
                  std::tuple(word, stored, 'R'))
            << angle << " " << dx << " " << dy;
    }
    reset(), viewSettings.navigating = 1;  // whole degrees, and the zoom clamped
    const std::tuple<int, int, int, long> moves[] = {
        {300, 0, 180, 90}, {600, 0, 540, 90},  {1, 0, 540, 90},    {-5, 0, 537, 90},
        {0, 60, 537, 100}, {0, 500, 537, 100}, {0, -120, 537, 80}, {0, -500, 537, 60}};
    for (const auto& [dx, dy, angle, zoom] : moves) {  // zoom in hundredths
        onMouseDrag(inputState.lastMouseX + dx, inputState.lastMouseY + dy);
        EXPECT_EQ(std::tuple(viewSettings.angleY, std::lround(viewSettings.zoom * 100)),
                  std::tuple(angle, zoom))
            << dx << " " << dy;
    }
    EXPECT_EQ(seamLog + recorded(), "PRPRPRPRPRPRPRPR");
}

TEST_F(ShellTest, EachButtonAndSpecialKeyOnItsOwn) {
    // Only the right button's press turns; every button event moves the
    // last position.
    for (int button : {0, 1, 2})
        for (int state : {0, 1}) {
            reset(), onMouseButton(button, state, 120 + button, 130 + state);
            EXPECT_EQ(
                std::tuple(recorded(), inputState.lastMouseX, inputState.lastMouseY),
                std::tuple(button == 2 && state == 0 ? "incM" : "", 120 + button, 130 + state))
                << button << " " << state;
        }
    // Key code; its word, the window calls, the cue, the messages queued.
    const std::tuple<int, const char*, const char*, int, size_t> keys[] = {
        {KeyRight, "incX", "R", CueMove, 0},
        {KeyLeft, "decX", "R", CueMove, 0},
        {KeyDown, "incZ", "R", CueMove, 0},
        {KeyUp, "decZ", "R", CueMove, 0},
        {KeyF1, "", "R", 0, 2},
        {KeyHome, "", "F", CueView, 0},
        {KeyEnd, "", "W600600@40040", CueView, 0}};
    for (const auto& [code, word, seam, cue, queued] : keys) {
        reset(), fallingBlock.z = 1, fallingBlock.build();
        onSpecialKey(code, 0, 0);
        EXPECT_EQ(std::tuple(recorded(), seamLog, playedCues, messageLine.queue.size()),
                  std::tuple(word, seam, std::vector<int>(cue != 0, cue), queued))
            << code;
    }
}

// Drags across the whole int range: no motion overflows, and in navigating
// mode the angle keeps within a thousand turns by whole turns only (a drag
// of 600 * 2^21 pixels is 2^21 turns), so the picture is the one of the
// degrees added. The last position starts at 300.
TEST_F(ShellTest, DragsOfTheWholeIntRangeKeepTheViewAngleByWholeTurns) {
    const int p = 600 << 21, top = std::numeric_limits<int>::max(), bottom = -top - 1;
    // Navigating, then x positions of one drag each; the words recorded
    // and the angle, one turn at most.
    const std::tuple<int, std::vector<int>, const char*, int> rows[] = {
        {0, {bottom, top, bottom, 0}, "decXincZincXincZdecXincZincXincZ", 0},
        {1, {300 - p, 300 + p, 300 - p, 300 + p, 300, 600, 750}, "", 270},
        {1, {bottom, top, bottom, top, top, bottom, 300}, "", -1},  // any angle, kept in range
    };
    for (const auto& [navigating, xs, words, angle] : rows) {
        reset(), viewSettings.navigating = navigating;
        for (int x : xs) {
            onMouseDrag(x, bottom), onMouseDrag(x, top);
            EXPECT_LT(std::abs(viewSettings.angleY), AngleBound) << x;
            EXPECT_TRUE(viewSettings.zoom >= 0.6f && viewSettings.zoom <= 1.0f) << x;
        }
        EXPECT_EQ(recorded(), words);
        EXPECT_TRUE(angle < 0 || (viewSettings.angleY % 360 + 360) % 360 == angle);
    }
}

TEST_F(ShellTest, IdleRunsGravityOnAWholeSecondScheduleOrOneReplayTokenPerPass) {
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
    const int64_t due = gameState.nextFallTime;

    ASSERT_TRUE(loadReplay(temp("r.txt", "INI1dropdecXdecZ")));
    gameState.replayMode = 1, onIdle();
    gameState.paused = 1, onIdle(), gameState.paused = 0;
    EXPECT_EQ(recorded(), "INI1");  // one token per pass, none while paused
    press(" 0ab");                  // the fall key plays a token; an open name prompt takes none
    onIdle();                       // and arrow keys and drags type their letters into it
    onSpecialKey(KeyLeft, 0, 0), onSpecialKey(KeyDown, 0, 0), onMouseDrag(320, 300);
    EXPECT_EQ(std::tuple(recorded(), std::string(inputState.typedText)),
              std::tuple("INI1dropdecX", "abaxd"));
    seamLog.clear();
    onIdle(), onIdle(), onIdle();  // the last, after the end, only synchronises and redraws
    EXPECT_EQ(std::tuple(gameState.replayMode, gameState.gameRunning, gameState.nextFallTime,
                         seamLog, recorded()),
              std::tuple(0, 0, due, "SCRRSCRSCR", "INI1dropdecXdecZ"));  // gravity did not run
}
