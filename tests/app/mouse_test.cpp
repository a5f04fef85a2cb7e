// Special keys, mouse buttons and drags: steering quarters, thresholds,
// navigation and the zoom clamp.
#include <gtest/gtest.h>

#include "app/input_state.h"
#include "app/mouse.h"
#include "app/replay_log.h"
#include "app/sound_cue.h"
#include "app/view_settings.h"
#include "model/block.h"
#include "render/message_line.h"
#include "tests/app/shell_support.h"
#include "tests/support/test_support.h"

using namespace testing_support;
using namespace shell_support;

namespace {

class MouseTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetShell();
        recordToTemp();
        startKind(b4);
        fallingBlock.x = 1, fallingBlock.build();  // room on every side
    }
    void TearDown() override { closeRecording(); }
};

// One motion event dx, dy away from the last position.
void dragBy(int dx, int dy) {
    onMouseDrag(InputState::lastMouseX + dx, InputState::lastMouseY + dy);
}

}  // namespace

TEST_F(MouseTest, ArrowKeysAndF1AreTheirKeys) {
    onSpecialKey(KeyRight, 5, 5);
    onSpecialKey(KeyLeft, 0, 0);
    onSpecialKey(KeyDown, 0, 0);
    onSpecialKey(KeyUp, 0, 0);
    EXPECT_EQ(recorded(), "incXdecXincZdecZ");
    onSpecialKey(KeyF1, 0, 0);
    EXPECT_STREQ(messageLine.queue.back().text,
                 "You can always press 'p' to restart and 'q' to quit");
}

TEST_F(MouseTest, HomeAndEndSetTheWindowAndSoundOnlyWithSoundOn) {
    onSpecialKey(KeyHome, 0, 0);
    EXPECT_EQ(seamCalls.fullScreens, 1);
    onSpecialKey(KeyEnd, 0, 0);
    EXPECT_EQ(seamCalls.reshapes, (std::vector<std::pair<int, int>>{{600, 600}}));
    EXPECT_EQ(seamCalls.positions, (std::vector<std::pair<int, int>>{{40, 40}}));
    EXPECT_EQ(playedCues, (std::vector<int>{CueView, CueView}));

    GameState::soundOn = 0;
    onSpecialKey(KeyHome, 0, 0);
    onSpecialKey(KeyEnd, 0, 0);
    EXPECT_EQ(seamCalls.fullScreens, 2);
    EXPECT_EQ(playedCues.size(), 2u);
}

TEST_F(MouseTest, OtherSpecialKeysDoNothing) {
    for (int code : {2, 12, 104, 105, 108, -1, 9999}) onSpecialKey(code, 0, 0);
    EXPECT_EQ(recorded(), "");
    EXPECT_TRUE(playedCues.empty());
    EXPECT_EQ(seamCalls.fullScreens + seamCalls.redisplays, 0);
}

TEST_F(MouseTest, RightPressTurnsOnceAndEveryButtonEventMovesTheLastPosition) {
    onMouseButton(2, 0, 120, 130);
    EXPECT_EQ(InputState::lastMouseX, 120);
    EXPECT_EQ(InputState::lastMouseY, 130);
    onMouseButton(2, 1, 140, 150);
    EXPECT_EQ(InputState::lastMouseX, 140);
    EXPECT_EQ(InputState::lastMouseY, 150);
    onMouseButton(0, 0, 1, 2);
    onMouseButton(1, 0, 3, 4);
    onMouseButton(0, 1, 5, 6);
    EXPECT_EQ(InputState::lastMouseX, 5);
    EXPECT_EQ(InputState::lastMouseY, 6);
    EXPECT_EQ(recorded(), "incM");
}

TEST_F(MouseTest, SteeringFollowsTheQuarterOfTheViewAngle) {
    struct Case {
        int angle, dx, dy;
        const char* word;
    };
    const Case cases[] = {
        {0, 11, 0, "incX"},   {0, -11, 0, "decX"},  {0, 0, 11, "incZ"},   {0, 0, -11, "decZ"},
        {180, 11, 0, "decX"}, {180, 0, 11, "decZ"}, {100, 0, 20, "incX"}, {100, 20, 0, "incZ"},
        {300, 0, 20, "incX"}, {300, 20, 0, "decZ"}, {89, 11, 0, "incX"},  {90, 11, 0, "incZ"},
        {269, 11, 0, "decX"}, {270, 11, 0, "decZ"}, {359, 0, 11, "incX"}, {360, 11, 0, "incX"},
    };
    for (const Case& c : cases) {
        resetShell();
        recordToTemp();
        ViewSettings::angleY = c.angle;
        dragBy(c.dx, c.dy);
        EXPECT_EQ(recorded(), c.word) << c.angle << " " << c.dx << " " << c.dy;
    }
}

TEST_F(MouseTest, SteeringThresholdIsStrictAndHorizontalComesFirst) {
    dragBy(10, 0);
    dragBy(-10, 10);
    dragBy(0, -10);
    EXPECT_EQ(recorded(), "");
    dragBy(20, 20);
    EXPECT_EQ(recorded(), "incX");
    EXPECT_EQ(seamCalls.redisplays, 4 + 1);  // every drag, and the key
}

TEST_F(MouseTest, SteeringStoresTheAngleReducedToOneTurn) {
    ViewSettings::angleY = -450;
    dragBy(11, 0);
    EXPECT_EQ(ViewSettings::angleY, 270);
    EXPECT_EQ(recorded(), "decZ");
    ViewSettings::angleY = 725;
    dragBy(0, 0);
    EXPECT_EQ(ViewSettings::angleY, 5);
}

TEST_F(MouseTest, NavigatingTurnsByWholeDegreesWithoutReducing) {
    ViewSettings::navigating = 1;
    dragBy(300, 0);
    EXPECT_EQ(ViewSettings::angleY, 180);
    dragBy(600, 0);
    EXPECT_EQ(ViewSettings::angleY, 540);
    for (int i = 0; i < 50; ++i) dragBy(1, 0);  // under 1.67 pixels adds nothing
    EXPECT_EQ(ViewSettings::angleY, 540);
    dragBy(-5, 0);  // -3 degrees, truncated towards zero
    EXPECT_EQ(ViewSettings::angleY, 537);
    EXPECT_EQ(recorded(), "");
    EXPECT_EQ(seamCalls.projections, 53);
}

TEST_F(MouseTest, NavigatingZoomStaysWithinItsRange) {
    ViewSettings::navigating = 1;
    dragBy(0, 60);
    EXPECT_FLOAT_EQ(ViewSettings::zoom, 1.0f);
    for (int i = 0; i < 20; ++i) dragBy(0, 500);
    EXPECT_FLOAT_EQ(ViewSettings::zoom, 1.0f);
    dragBy(0, -120);
    EXPECT_NEAR(ViewSettings::zoom, 0.8f, 1e-6);
    for (int i = 0; i < 20; ++i) dragBy(0, -500);
    EXPECT_FLOAT_EQ(ViewSettings::zoom, 0.6f);
}

TEST_F(MouseTest, DragsRenewTheLastPositionEveryEvent) {
    // A slow drag never steers: only the step between two events counts.
    for (int i = 1; i <= 30; ++i) onMouseDrag(300 + 5 * i, 300);
    EXPECT_EQ(InputState::lastMouseX, 450);
    EXPECT_EQ(recorded(), "");
}

TEST_F(MouseTest, OpenQuitPromptTypesTheSteeringLetters) {
    onSpecialKey(KeyRight, 0, 0);
    EXPECT_EQ(recorded(), "incX");
    GameState::paused = 1;
    onSpecialKey(KeyLeft, 0, 0);
    onSpecialKey(KeyUp, 0, 0);
    dragBy(11, 0);
    dragBy(0, 11);
    onMouseButton(2, 0, 0, 0);
    EXPECT_EQ(std::string(InputState::typedText), "awdxs");
    EXPECT_EQ(recorded(), "incX");
}
