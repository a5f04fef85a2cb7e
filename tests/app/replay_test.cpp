// Playback: loading, how each token is performed, the end of the file, the
// damaged tokens, and the recording kept a faithful copy of what is played.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>

#include "app/commands.h"
#include "app/input_state.h"
#include "app/replay_log.h"
#include "app/replay_source.h"
#include "app/sound_cue.h"
#include "model/block.h"
#include "model/game_step.h"
#include "model/motion.h"
#include "render/message_line.h"
#include "suggest/placement_search.h"
#include "tests/app/shell_support.h"
#include "tests/support/test_support.h"

using namespace testing_support;
using namespace shell_support;

namespace {

const char* const finishedText = "Replay is finished.  Press 'p' for a new game";

class ReplayTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetShell();
        recordToTemp();
    }
    void TearDown() override { closeRecording(); }

    // Loads text as the replay prompt's Enter does.
    void load(const std::string& text) {
        ASSERT_TRUE(loadReplay(writeTemp("replay.txt", text)));
        beginReplay();
    }
    // Steps until the playback stops; returns the steps made.
    int playToEnd() {
        int steps = 0;
        while (GameState::gameRunning && GameState::replayMode && steps < 100000) {
            replayStep();
            ++steps;
        }
        return steps;
    }
};

struct Snapshot {
    std::vector<int32_t> settled, block;
    int kind, mode, x, y, z, score, level, layers, cheats;
    bool operator==(const Snapshot&) const = default;
};

Snapshot snapshot() {
    return {std::vector<int32_t>(settledWell.cells.get(), settledWell.cells.get() + WellCells),
            std::vector<int32_t>(blockWell.cells.get(), blockWell.cells.get() + WellCells),
            fallingBlock.kind,
            fallingBlock.mode,
            fallingBlock.x,
            fallingBlock.y,
            fallingBlock.z,
            GameState::score,
            GameState::level,
            GameState::layerCount,
            GameState::cheatsLeft};
}

bool playbackEnded() {
    return GameState::replayMode == 0 && GameState::gameRunning == 0 &&
           replaySource.position == 0 && messageLine.urgentShowing &&
           std::string(messageLine.urgentText) == finishedText &&
           std::string(messageLine.queue.back().text) == finishedText &&
           messageLine.queue.back().seconds == 10 && messageLine.urgentEnd - fakeNow == 10;
}

}  // namespace

TEST_F(ReplayTest, LoadingRefusesMissingEmptyOversizedAndDirectoryFiles) {
    EXPECT_FALSE(loadReplay(tempPath("missing.txt")));
    EXPECT_FALSE(loadReplay(writeTemp("empty.txt", "")));
    EXPECT_FALSE(loadReplay(""));
    const std::string dir = tempPath("folder");
    ASSERT_EQ(mkdir(dir.c_str(), 0700), 0);
    EXPECT_FALSE(loadReplay(dir));

    const std::string big = tempPath("big.txt");
    {
        std::ofstream out(big, std::ios::binary);
        const std::string chunk(1 << 20, 'x');
        for (int i = 0; i < 16; ++i) out << chunk;
    }
    EXPECT_TRUE(loadReplay(big));  // exactly 16 MiB is allowed
    EXPECT_EQ(replaySource.text.size(), MaxReplayBytes);
    { std::ofstream(big, std::ios::binary | std::ios::app) << "x"; }
    EXPECT_FALSE(loadReplay(big));
    EXPECT_TRUE(replaySource.text.empty());  // a failed load leaves nothing
}

TEST_F(ReplayTest, LoadingStartsAFreshSilentGameReadFromTheStart) {
    fillSettled({{0, 0, 0}});
    GameState::score = 50;
    load("INI4");
    EXPECT_EQ(GameState::replayMode, 1);
    EXPECT_EQ(GameState::soundOn, 0);
    EXPECT_EQ(GameState::score, 0);
    EXPECT_EQ(settledWell.cell(0, 0, 0), EmptyCell);
    EXPECT_EQ(replaySource.position, 0u);
}

TEST_F(ReplayTest, HeaderOnlyFileStartsItsKindThenFinishes) {
    load("INI3");
    replayStep();
    EXPECT_EQ(fallingBlock.kind, slab);
    EXPECT_EQ(GameState::replayMode, 1);
    EXPECT_EQ(recorded(), "INI3");
    replayStep();
    EXPECT_TRUE(playbackEnded());
    EXPECT_EQ(fallingBlock.kind, slab);
}

TEST_F(ReplayTest, KeyWordsArePerformedByTheirCommands) {
    load("INI1incXdecXincZdecZincMHINT");
    playedCues.clear();
    replayStep();
    const int x = fallingBlock.x, z = fallingBlock.z;
    replayStep();
    EXPECT_EQ(fallingBlock.x, x);  // b4 at the right wall: refused again
    replayStep();
    EXPECT_EQ(fallingBlock.x, x - 1);
    replayStep();
    EXPECT_EQ(fallingBlock.z, z + 1);
    replayStep();
    EXPECT_EQ(fallingBlock.z, z);
    replayStep();
    EXPECT_EQ(fallingBlock.mode, 0);  // one mode only
    replayStep();
    EXPECT_EQ(fallingBlock.y, 1);  // the b4 on the floor of the empty well
    EXPECT_EQ(recorded(), "INI1incXdecXincZdecZincMHINT");
    EXPECT_TRUE(playedCues.empty());  // loading switched sound off
}

TEST_F(ReplayTest, KeyFiveSwitchesTheSoundBackOnForThePlayback) {
    load("INI1decX");
    replayStep();
    onKey('5', 0, 0);
    playedCues.clear();
    replayStep();
    EXPECT_EQ(playedCues, std::vector<int>{CueMove});
}

TEST_F(ReplayTest, DropFallsAndLandingStartsTheRecordedKind) {
    std::string game = "INI1";
    for (int i = 0; i < 18; ++i) game += "drop";
    game += "CT 4";
    load(game);
    for (int i = 0; i < 19; ++i) replayStep();
    EXPECT_EQ(fallingBlock.y, 1);
    replayStep();  // the landing
    EXPECT_EQ(fallingBlock.kind, lh);
    EXPECT_EQ(fallingBlock.y, 19);
    EXPECT_EQ(settledWell.cell(2, 0, 2), SettledCube);
    EXPECT_EQ(recorded(), game);
}

TEST_F(ReplayTest, NgapFillsAndUsesACheatWithoutTestingTheCounter) {
    load("INI0ngap");
    replayStep();
    fillSettled({{1, 3, 1}});
    GameState::cheatsLeft = 0;
    replayStep();
    // One fill pass closes one cell of the gap.
    EXPECT_EQ(settledWell.cell(1, 2, 1), SettledCube);
    EXPECT_EQ(settledWell.cell(1, 1, 1), EmptyCell);
    EXPECT_EQ(GameState::cheatsLeft, -1);
    EXPECT_EQ(recorded(), "INI0ngap");
}

TEST_F(ReplayTest, UnknownAndEmptyTokensAreSkippedAndNotWritten) {
    load("INI2junkincx\n\ndrop");
    const int steps = playToEnd();
    // INI2, junk, incx, two empty tokens, drop, and the end.
    EXPECT_EQ(steps, 7);
    EXPECT_EQ(recorded(), "INI2drop");
    EXPECT_EQ(fallingBlock.y, 18);
}

TEST_F(ReplayTest, OneTokenPerLinePlaysTheSameGameInTwoStepsPerLine) {
    const std::string flat = "INI1dropdecXdropincMdropdecZdropCT 2drop";
    std::string lines;
    for (std::size_t i = 0; i < flat.size(); i += 4) lines += flat.substr(i, 4) + "\n";
    load(flat);
    const int flatSteps = playToEnd();
    const Snapshot flatEnd = snapshot();
    const std::string flatRecording = recorded();

    resetShell();
    recordToTemp();
    load(lines);
    EXPECT_EQ(playToEnd(), 2 * (flatSteps - 1) + 1);
    EXPECT_TRUE(snapshot() == flatEnd);
    EXPECT_EQ(recorded(), flatRecording);
    EXPECT_EQ(flatRecording, flat);
}

TEST_F(ReplayTest, FileEndingInsideATokenDropsIt) {
    load("INI1dropdr");
    replayStep();
    replayStep();
    EXPECT_EQ(fallingBlock.y, 18);
    replayStep();
    EXPECT_TRUE(playbackEnded());
    EXPECT_EQ(fallingBlock.y, 18);
    EXPECT_EQ(recorded(), "INI1drop");
}

// A header or landing token with a damaged kind is not performed and ends
// the playback: such a kind must never reach the model.
TEST_F(ReplayTest, DamagedKindsEndThePlayback) {
    for (const char* bad : {"INI9", "INI/", "CT 7", "CT x", "IN\n", "C\nxx", "INI", "Ixy-"}) {
        resetShell();
        recordToTemp();
        load(std::string("INI1drop") + bad + "drop");
        replayStep();
        replayStep();
        const Snapshot before = snapshot();
        replayStep();
        EXPECT_TRUE(playbackEnded()) << bad;
        EXPECT_TRUE(snapshot() == before) << bad;
        EXPECT_EQ(recorded(), "INI1drop") << bad;
    }
}

TEST_F(ReplayTest, HeaderAndLandingAreKnownByTheirFirstCharacterAndCopiedAsRead) {
    load("INI1dropIxx5CAB2");
    playToEnd();
    EXPECT_EQ(fallingBlock.kind, base3);
    // The header starts the recording afresh with the token as read.
    EXPECT_EQ(recorded(), "Ixx5CAB2");
}

TEST_F(ReplayTest, ReplayedRecordingIsAFaithfulCopy) {
    // Live: a short game with every token kind, recorded.
    const std::string original = recordToTemp("live.txt");
    scriptRandom({randomForKind(b4), randomForKind(bar), randomForKind(zblk)});
    onKey('p', 0, 0);
    press("adxwsH");
    for (int i = 0; i < 25 && fallingBlock.kind == b4; ++i) gameStep();
    press("6sddH");
    for (int i = 0; i < 3; ++i) gameStep();
    closeRecording();
    const Snapshot live = snapshot();
    const std::string liveText = readFile(original);
    ASSERT_NE(liveText.find("CT "), std::string::npos);
    ASSERT_NE(liveText.find("ngap"), std::string::npos);

    recordToTemp("again.txt");
    ASSERT_TRUE(loadReplay(original));
    beginReplay();
    playToEnd();
    EXPECT_EQ(recorded(), liveText);
    // The step that found the end changed only the flags.
    EXPECT_TRUE(snapshot() == live);
}

// Loading the file being recorded still plays the game it holds, although
// the restart at loading cuts that file.
TEST_F(ReplayTest, LoadingTheFileBeingRecordedReplaysItsGame) {
    const std::string path = recordToTemp("output.txt");
    scriptRandom({randomForKind(base3), randomForKind(rh)});
    onKey('p', 0, 0);
    press("dsw");
    for (int i = 0; i < 30 && fallingBlock.kind == base3; ++i) gameStep();
    ASSERT_EQ(fallingBlock.kind, rh);
    press("a");
    const Snapshot live = snapshot();
    const std::string liveText = recorded();

    scriptRandom({randomForKind(slab)});  // the restart at loading draws a slab
    press("9");
    press(path + "\r");
    ASSERT_EQ(GameState::replayMode, 1);
    EXPECT_EQ(recorded(), "INI3");
    playToEnd();
    EXPECT_TRUE(snapshot() == live);
    EXPECT_EQ(recorded(), liveText);
}

TEST_F(ReplayTest, PlaybackIsNotTypedIntoAnOpenNamePrompt) {
    load("INI1decXdecZ");
    replayStep();
    onKey('0', 0, 0);  // the player opens the recording prompt
    press("ab");
    const int x = fallingBlock.x, z = fallingBlock.z;
    replayStep();
    replayStep();
    EXPECT_EQ(fallingBlock.x, x - 1);
    EXPECT_EQ(fallingBlock.z, z - 1);
    EXPECT_EQ(std::string(InputState::typedText), "ab");
    EXPECT_EQ(recorded(), "INI1decXdecZ");
}

TEST_F(ReplayTest, KeysDuringPlaybackActAndThePlaybackGoesOn) {
    load("INI1dropdrop");
    replayStep();
    onKey('a', 0, 0);
    replayStep();
    onKey(' ', 0, 0);  // one extra replay step
    EXPECT_EQ(fallingBlock.y, 17);
    EXPECT_EQ(recorded(), "INI1decXdropdrop");
}

// A kept placement belongs to its block: after a header the new block must
// not take the old block's mode.
TEST_F(ReplayTest, HeaderMakesTheKeptPlacementStale) {
    load("INI4HINTINI1HINTincM");
    replayStep();
    GameState::boardChanged = 0;
    bestX = 0, bestY = 19, bestZ = 0, bestMode = 11;  // kept for the lh
    replayStep();
    replayStep();
    replayStep();
    EXPECT_EQ(fallingBlock.kind, b4);
    EXPECT_EQ(fallingBlock.mode, 0);
    EXPECT_EQ(blockCells(), 8);
    replayStep();  // the turn loop ends
    EXPECT_EQ(fallingBlock.mode, 0);
}

TEST_F(ReplayTest, WinDuringPlaybackStopsItInReplayMode) {
    load("INI1CT 2drop");
    replayStep();
    GameState::level = 5;
    GameState::layerCount = 9;
    // Rest the b4 on the floor over an almost full layer.
    fallingBlock.y = 1, fallingBlock.build();
    for (int x = 0; x < WellWidth; ++x)
        for (int z = 0; z < WellDepth; ++z)
            if (blockWell.cell(x, 0, z) == EmptyCell) settledWell.setCell(x, 0, z, SettledCube);
    replayStep();
    EXPECT_EQ(GameState::level, 6);
    EXPECT_EQ(GameState::gameRunning, 0);
    EXPECT_EQ(GameState::replayMode, 1);
    EXPECT_EQ(fallingBlock.kind, base3);
    EXPECT_EQ(recorded(), "INI1CT 2");
}
