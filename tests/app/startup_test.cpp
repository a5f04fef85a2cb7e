// Start-up without a window: the greeting and the command line.
#include <gtest/gtest.h>

#include "app/startup.h"
#include "app/view_settings.h"
#include "render/message_line.h"
#include "tests/app/shell_support.h"
#include "tests/support/test_support.h"

using namespace testing_support;
using namespace shell_support;

namespace {

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override { resetShell(); }
};

void run(std::vector<std::string> args) {
    std::vector<char*> argv;
    static std::string name = "zandok";
    argv.push_back(name.data());
    for (std::string& a : args) argv.push_back(a.data());
    applyCommandLine(static_cast<int>(argv.size()), argv.data());
}

void expectVector(const float* v, std::initializer_list<float> want) {
    int i = 0;
    for (float w : want) EXPECT_FLOAT_EQ(v[i++], w) << "component " << i - 1;
}

}  // namespace

TEST_F(StartupTest, GreetingIsEightMessagesInOrder) {
    postGreeting();
    const std::pair<const char*, int> want[] = {
        {"Welcome to 3D Zandok.  Press '?' to show all keys.", 4},
        {"", 2},
        {":) - Use 'a' 'd' 'w' & 'x' to control the block and use 's' to change the shape", 7},
        {"", 3},
        {":) - Try out the different numbers for viewing features! You will be surprised", 7},
        {"", 3},
        {":) - You can also use your mouse to navigate.  Press 'z' to toggle between different "
         "view modes",
         7},
        {"", 3},
    };
    ASSERT_EQ(messageLine.queue.size(), 8u);
    for (int i = 0; i < 8; ++i) {
        EXPECT_STREQ(messageLine.queue[i].text, want[i].first) << i;
        EXPECT_EQ(messageLine.queue[i].seconds, want[i].second) << i;
    }
    EXPECT_STREQ(currentMessage(), want[0].first);
    fakeNow += 4;
    EXPECT_STREQ(currentMessage(), "");
    fakeNow += 2;
    EXPECT_STREQ(currentMessage(), want[2].first);
}

TEST_F(StartupTest, NoArgumentsKeepTheDefaultView) {
    run({});
    expectVector(ViewSettings::eye, {1, 1, 1});
    expectVector(ViewSettings::centre, {0, 0, 0});
    expectVector(ViewSettings::up, {0, 1, 0});
    expectVector(ViewSettings::light, {1, 1, 1, 0});
}

TEST_F(StartupTest, NineNumbersPlaceTheCameraAndTheLightTakesWholeParts) {
    run({"3.5", "4", "5", "0", "0", "0", "0", "1", "0"});
    expectVector(ViewSettings::eye, {3.5f, 4, 5});
    expectVector(ViewSettings::centre, {0, 0, 0});
    expectVector(ViewSettings::up, {0, 1, 0});
    expectVector(ViewSettings::light, {3, 4, 5, 0});

    run({"2.7", "-1.9", "abc", "1.5", "2.5", "3.5", "x", "0.5", "1e1"});
    expectVector(ViewSettings::eye, {2.7f, -1.9f, 0});
    expectVector(ViewSettings::centre, {1.5f, 2.5f, 3.5f});
    expectVector(ViewSettings::up, {0, 0.5f, 10});
    expectVector(ViewSettings::light, {2, -1, 0, 0});
}

TEST_F(StartupTest, OtherArgumentCountsKeepTheDefaults) {
    run({"3", "3", "3", "0", "0", "0", "0", "1"});
    run({"3", "3", "3", "0", "0", "0", "0", "1", "0", "7"});
    expectVector(ViewSettings::eye, {1, 1, 1});
    expectVector(ViewSettings::light, {1, 1, 1, 0});
}
