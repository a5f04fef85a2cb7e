// The three prompts: typing, the 97-character limit, Enter and Esc.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

#include "app/commands.h"
#include "app/input_state.h"
#include "app/replay_log.h"
#include "app/replay_source.h"
#include "app/sound_cue.h"
#include "model/block.h"
#include "render/message_line.h"
#include "tests/app/shell_support.h"
#include "tests/support/test_support.h"

using namespace testing_support;
using namespace shell_support;

namespace {

constexpr char enter = 13;
constexpr char esc = 27;

class PromptTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetShell();
        recordToTemp();
    }
    void TearDown() override { closeRecording(); }
};

std::string typed() {
    return std::string(InputState::typedText, InputState::typedLength);
}

}  // namespace

TEST_F(PromptTest, TypedTextIsShownByPointerAndHoldsAtMost97Characters) {
    press("0");
    const std::string text(97, 'k');
    press(text);
    EXPECT_EQ(typed(), text);
    EXPECT_EQ(messageLine.urgentText, InputState::typedText);
    EXPECT_EQ(messageLine.urgentEnd - fakeNow, 2);
    press("k");  // the 98th empties it
    EXPECT_EQ(typed(), "");
    EXPECT_STREQ(messageLine.urgentText, "");
    press("ab");
    EXPECT_EQ(typed(), "ab");
}

TEST_F(PromptTest, EveryKeyIsTypedAsItIsWithNoEditing) {
    press("q");
    press("y\x08s d+6");
    EXPECT_EQ(typed(), "y\x08s d+6");
    EXPECT_EQ(GameState::cheatsLeft, 5);  // 6 was typed, not a cheat
    EXPECT_EQ(recorded(), "");            // d was typed, not a move
}

TEST_F(PromptTest, QuitPromptEndsOnlyOnExactYes) {
    press("q");
    press(std::string("yes") + enter);
    EXPECT_EQ(seamCalls.exits, std::vector<int>{0});

    for (const char* answer : {"Yes", "yes ", " yes", "ye", ""}) {
        resetShell();
        press("q");
        press(std::string(answer) + enter);
        EXPECT_TRUE(seamCalls.exits.empty()) << answer;
        EXPECT_EQ(GameState::paused, 0) << answer;
        EXPECT_EQ(typed(), "") << answer;
        EXPECT_STREQ(messageLine.urgentText,
                     "Enter 'yes' to quit.  Press enter to continue otherwise.");
    }
}

TEST_F(PromptTest, QuitPromptEscEndsAtOnce) {
    press("q");
    press(std::string(1, esc));
    EXPECT_EQ(seamCalls.exits, std::vector<int>{0});
}

TEST_F(PromptTest, EachKeyFirstShowsThePromptsQuestion) {
    struct Case {
        char open;
        const char* question;
    };
    const Case cases[] = {{'0', "Type the name of the file you want to write to."},
                          {'9', "Type the name of the file you want to read from."},
                          {'q', "Enter 'yes' to quit.  Press enter to continue otherwise."}};
    for (const Case& c : cases) {
        resetShell();
        press(std::string(1, c.open));
        press(std::string(1, esc));
        EXPECT_STREQ(messageLine.urgentText, c.question) << c.open;
        EXPECT_EQ(messageLine.urgentEnd - fakeNow, 2);
    }
}

TEST_F(PromptTest, RecordingPromptEnterReopensTheRecordingAndRestarts) {
    const std::string name = tempPath("named.txt");
    fillSettled({{0, 0, 0}});
    scriptRandom({randomForKind(zblk)});
    press("0");
    press(name + enter);
    EXPECT_EQ(InputState::enteringSaveName, 0);
    EXPECT_EQ(typed(), "");
    EXPECT_EQ(readFile(name), "INI6");
    EXPECT_EQ(settledWell.cell(0, 0, 0), EmptyCell);
    press("d");
    EXPECT_EQ(readFile(name), "INI6incX");
}

TEST_F(PromptTest, RecordingPromptWithAnEmptyNameFallsBackToOutputTxt) {
    char here[4096];
    ASSERT_NE(getcwd(here, sizeof here), nullptr);
    const std::string dir = tempPath("cwd");
    std::remove((dir + "/output.txt").c_str());  // left by an earlier run
    std::remove(dir.c_str());
    ASSERT_EQ(mkdir(dir.c_str(), 0700), 0);
    ASSERT_EQ(chdir(dir.c_str()), 0);
    scriptRandom({randomForKind(slab)});
    press("0");
    press(std::string(1, enter));
    press("a");
    closeRecording();
    const std::string written = readFile("output.txt");
    ASSERT_EQ(chdir(here), 0);
    EXPECT_EQ(written, "INI3decX");
}

TEST_F(PromptTest, RecordingPromptEscLeavesTheRecording) {
    press("d");
    press("0");
    press(std::string("other") + esc);
    EXPECT_EQ(InputState::enteringSaveName, 0);
    EXPECT_EQ(typed(), "");
    press("a");
    EXPECT_EQ(recorded(), "incXdecX");
}

TEST_F(PromptTest, ReplayPromptWithAMissingFileLeavesTheGame) {
    startKind(b4);
    fillSettled({{1, 0, 1}});
    press("d");
    const int x = fallingBlock.x;
    press("9");
    press(tempPath("missing.txt") + enter);
    EXPECT_STREQ(messageLine.urgentText, "File cannot be read");
    EXPECT_EQ(messageLine.urgentEnd - fakeNow, 5);
    EXPECT_EQ(InputState::enteringLoadName, 0);
    EXPECT_EQ(GameState::replayMode, 0);
    EXPECT_EQ(GameState::soundOn, 1);
    EXPECT_EQ(fallingBlock.kind, b4);
    EXPECT_EQ(fallingBlock.x, x);
    EXPECT_EQ(settledWell.cell(1, 0, 1), SettledCube);
    EXPECT_EQ(recorded(), "incX");
}

TEST_F(PromptTest, ReplayPromptEnterRestartsAndPlaysSilently) {
    const std::string file = writeTemp("game.txt", "INI2drop");
    GameState::level = 3;
    press("9");
    press(file + enter);
    EXPECT_EQ(GameState::replayMode, 1);
    EXPECT_EQ(GameState::soundOn, 0);
    EXPECT_EQ(GameState::level, 0);
    EXPECT_EQ(replaySource.position, 0u);
    EXPECT_EQ(replaySource.text, "INI2drop");
    EXPECT_EQ(playedCues, (std::vector<int>{CueLoadReplay, CueRestart}));
}

TEST_F(PromptTest, ReplayPromptEscClosesIt) {
    press("9");
    press(std::string("abc") + esc);
    EXPECT_EQ(InputState::enteringLoadName, 0);
    EXPECT_EQ(typed(), "");
    EXPECT_EQ(GameState::replayMode, 0);
}

TEST_F(PromptTest, NameWithANulCharacterNamesNoFile) {
    const std::string file = writeTemp("nul.txt", "INI2");
    press("9");
    press(file);
    onKey(0, 0, 0);
    press("x" + std::string(1, enter));
    EXPECT_STREQ(messageLine.urgentText, "File cannot be read");
    EXPECT_EQ(GameState::replayMode, 0);
}
