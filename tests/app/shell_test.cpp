// The keyboard and special keys, the prompts, the restart and the mouse,
// without a display.
#include <cmath>
#include <limits>

#include "app/mouse.h"
#include "tests/app/shell_fixture.h"

TEST_F(ShellTest, EveryCommandActsRecordsSoundsAndSpeaksByItsRules) {
    GameState& g = gameState;
    ViewSettings& v = viewSettings;
    int32_t none = 0, *x = &fallingBlock.x, *y = &fallingBlock.y, *z = &fallingBlock.z;
    // Key (a special key as its negative code: the arrows and F1 give d, a,
    // x, w and ?, so their rows are those keys' too); what it records, the
    // urgent message it shows and for how many seconds, and the messages it
    // queues; its cue with sound on and off; a value it sets (or none), from
    // before to after; whether it needs a running game; the window calls.
    const std::tuple<int, const char*, const char*, int, size_t, int, int, int32_t*, int, int, bool,
                     const char*>
        rows[] = {
            {-KeyRight, "incX", "", 0, 0, CueMove, 0, x, 1, 2, true, "R"},
            {-KeyLeft, "decX", "", 0, 0, CueMove, 0, x, 1, 0, true, "R"},
            {-KeyDown, "incZ", "", 0, 0, CueMove, 0, z, 1, 2, true, "R"},
            {-KeyUp, "decZ", "", 0, 0, CueMove, 0, z, 2, 1, true, "R"},
            {-KeyF1, "",
             "1: ViewO 2:ViewP 3:Grid 4:Wireframe 5:Sound 6: Cheat 7:Align 9:Load Replay 0:Save "
             "Replay h: Hint",
             10, 2, 0, 0, &none, 0, 0, false, "R"},
            {-KeyHome, "", "", 0, 0, CueView, 0, &none, 0, 0, false, "F"},
            {-KeyEnd, "", "", 0, 0, CueView, 0, &none, 0, 0, false, "W600600@40040"},
            {'s', "incM", "", 0, 0, CueRotate, 0, &none, 0, 0, true, "R"},
            {' ', "drop", "", 0, 0, 0, 0, y, 10, 9, true, "R"},
            {'H', "HINT", "", 0, 0, 0, 0, y, 10, 0, true, "R"},
            {'h', "",
             "Hints ON - shown in different colour (WARNING: They might not be the most optimal "
             "choices!  Beware!)",
             2, 0, CueHints, CueHints, &g.hintsOn, 0, 1, true, "R"},
            {'+', "", "", 0, 0, CueLevelUp, CueLevelUp, &g.level, 4, 5, true, "R"},
            {'+', "", "", 0, 0, 0, 0, &g.level, 5, 5, true, "R"},
            {'1', "", "Orthogonal View", 2, 0, CueView, 0, &v.orthogonal, 0, 1, false, "PR"},
            {'2', "", "Perspective View", 2, 0, CueView, 0, &v.orthogonal, 1, 0, false, "PR"},
            {'3', "", "Gridlines OFF", 2, 0, CueView, 0, &v.gridlines, 1, 0, false, "R"},
            {'4', "", "Wireframe ON", 2, 0, CueView, 0, &v.wireframe, 0, 1, false, "R"},
            {'5', "", "Sound OFF", 2, 0, 0, 0, &g.soundOn, 1, 0, false, "R"},
            {'z', "", "Zoom ON", 2, 0, CueView, 0, &v.navigating, 0, 1, false, "R"},
            {'6', "ngap", "OMG! You are such a cheater.  All holes are now filled", 2, 0, CueCheat,
             0, &g.cheatsLeft, 5, 4, false, "R"},
            {'7', "", "View Mode Corrected", 2, 0, CueView, 0, &v.angleY, 123, 0, false, "R"},
            {'9', "", "Please input the name of the replay file to read from", 5, 0, CueLoadReplay,
             0, &inputState.enteringLoadName, 0, 1, false, "R"},
            {'0', "", "Please enter the name of the recorded file", 5, 0, CueSaveReplay, 0,
             &inputState.enteringSaveName, 0, 1, false, "R"},
            {'q', "", "Game is paused.  Type 'yes' to quit, anything else to continue", 20, 0,
             CuePause, 0, &g.paused, 0, 1, false, "R"},
            {'p', "INI0", "", 0, 3, CueRestart, 0, &g.score, 7, 0, false, "RR"},
        };
    for (const auto& [key, word, text, seconds, queued, on, off, value, before, after, gated,
                      seam] : rows)
        for (int pass = 0; pass < 3; ++pass) {  // running with sound, without, after the game
            SCOPED_TRACE("key " + std::to_string(key) + " pass " + std::to_string(pass));
            reset();
            g.soundOn = pass != 1, g.gameRunning = pass != 2, *y = 10, *value = before;
            fallingBlock.build();
            key < 0 ? onSpecialKey(-key, 0, 0) : press(std::string(1, static_cast<char>(key)));
            const bool acts = pass < 2 || !gated;
            const int cue = acts ? (pass == 1 ? off : on) : 0;
            const int64_t shown = urgent().empty() ? 0 : messageLine.urgentEnd - fakeNow;
            EXPECT_EQ(std::tuple(recorded(), playedCues, urgent(), shown, messageLine.queue.size(),
                                 *value, seamLog),
                      std::tuple(acts ? word : "", std::vector<int>(cue != 0, cue),
                                 acts ? text : "", acts ? seconds : 0, acts ? queued : 0,
                                 acts ? after : before, acts ? seam : "R"));
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
    // Names no file can be read by (the replay player's test has the others).
    for (const std::string& name : {tempPath("missing.txt"), temp("game.txt", "INI2") + '\0',
                                    ::testing::TempDir(), std::string()}) {
        reset();
        press("d9" + name + "\r");
        EXPECT_EQ(std::tuple(urgent(), messageLine.urgentEnd - fakeNow, gameState.replayMode,
                             inputState.enteringLoadName, recorded(), replaySource.text.size()),
                  std::tuple("File cannot be read", 5, 0, 0, "incX", 0u))
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

// Drags, from the centre, and across the whole int range: no motion
// overflows, and in navigating mode the angle keeps within a thousand turns
// by whole turns only (a drag of 600 * 2^21 pixels is 2^21 turns), so the
// picture is the one of the degrees added.
TEST_F(ShellTest, TheMouseSteersNavigatesAndTurnsAndNoDragOverflows) {
    const int p = 600 << 21, top = std::numeric_limits<int>::max(), bottom = -top - 1;
    // View angle, where the drag goes, recorded word, and the angle reduced
    // to one turn.
    const std::tuple<int, int, int, const char*, int> rows[] = {
        {0, 311, 300, "incX", 0},     {0, 289, 300, "decX", 0},      {0, 300, 311, "incZ", 0},
        {0, 300, 289, "decZ", 0},     {0, 310, 290, "", 0},          {0, 290, 310, "", 0},
        {0, 320, 320, "incX", 0},     {89, 311, 300, "incX", 89},    {90, 311, 300, "incZ", 90},
        {179, 300, 320, "incX", 179}, {180, 311, 300, "decX", 180},  {180, 300, 311, "decZ", 180},
        {269, 311, 300, "decX", 269}, {270, 311, 300, "decZ", 270},  {359, 300, 311, "incX", 359},
        {725, 300, 300, "", 5},       {-450, 311, 300, "decZ", 270}, {-1, 289, 300, "incZ", 359},
        {0, bottom, 300, "decX", 0},  {0, top, 300, "incX", 0},      {0, 300, bottom, "decZ", 0},
        {0, 300, top, "incZ", 0}};
    for (const auto& [angle, x, y, word, stored] : rows) {
        reset(), viewSettings.angleY = angle;
        onMouseDrag(x, y);
        EXPECT_EQ(std::tuple(recorded(), viewSettings.angleY, seamLog.back()),
                  std::tuple(word, stored, 'R'))
            << angle << " " << x << " " << y;
    }
    reset(), viewSettings.navigating = 1;  // whole degrees, and the zoom clamped
    // One drag after the other: where it goes, the angle in one turn (-1:
    // any) and the zoom in hundredths.
    const std::tuple<int, int, int, long> moves[] = {
        {600, 300, 180, 90},         {1200, 300, 180, 90},      {1201, 300, 180, 90},
        {1196, 300, 177, 90},        {1196, 360, 177, 100},     {1196, 860, 177, 100},
        {1196, 740, 177, 80},        {1196, 240, 177, 60},      {1196 + p, top, 177, 100},
        {1196 - p, bottom, 177, 60}, {1196 + p, top, 177, 100}, {1346 + p, bottom, 267, 60},
        {bottom, top, -1, 100},      {top, bottom, -1, 60},     {bottom, top, -1, 100}};
    for (const auto& [x, y, angle, zoom] : moves) {
        onMouseDrag(x, y);
        const int32_t a = viewSettings.angleY;
        EXPECT_EQ(std::tuple(std::abs(a) < AngleBound, angle < 0 ? angle : (a % 360 + 360) % 360,
                             std::lround(viewSettings.zoom * 100)),
                  std::tuple(true, angle, zoom))
            << x << " " << y;
    }
    EXPECT_EQ(seamLog + recorded(), times("PR", 15, ""));
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
}
