// Start-up without a window: the greeting and the nine-number command line.
#include "app/startup.h"
#include "tests/app/shell_fixture.h"

TEST_F(ShellTest, GreetingShowsTheWelcomeThenTheTipsBetweenBlanks) {
    postGreeting();
    std::string shown;
    for (int second = 0; second < 40; ++second, ++fakeNow) shown += currentMessage()[0];
    EXPECT_EQ(shown, std::string(4, 'W') + std::string(2, '\0') + std::string(7, ':') +
                         std::string(3, '\0') + std::string(7, ':') + std::string(3, '\0') +
                         std::string(7, ':') + std::string(7, '\0'));
}

TEST_F(ShellTest, CommandLineSetsTheCameraAndTheLightFromNineNumbers) {
    struct Case {
        std::vector<const char*> args;
        float eye0, centre1, up2, light0, light1;
    };
    const Case cases[] = {
        {{"3.5", "4", "5", "0", "0", "0", "0", "1", "0"}, 3.5f, 0, 0, 3, 4},
        {{"1", "2", "3", "4", "5", "6", "7", "8"}, 1, 0, 0, 1, 1},  // eight: defaults stay
        {{"-2.7", "x", "1", "0", "7", "0", "0", "1", "9"}, -2.7f, 7, 9, -2, 0},
        // Numbers no float holds count as 0; whole parts stay within int.
        {{"inf", "1e99", "nan", "0", "0", "0", "0", "1", "0"}, 0, 0, 0, 0, 1},
        {{"99999999999", "-99999999999", "1", "0", "0", "0", "0", "1", "0"},
         1e11f,
         0,
         0,
         2147483647.0f,
         -2147483648.0f},
    };
    for (const Case& c : cases) {
        reset();
        std::vector<char*> argv = {const_cast<char*>("zandok")};
        for (const char* a : c.args) argv.push_back(const_cast<char*>(a));
        applyCommandLine(static_cast<int>(argv.size()), argv.data());
        EXPECT_FLOAT_EQ(viewSettings.eye[0], c.eye0) << c.args[0];
        EXPECT_FLOAT_EQ(viewSettings.centre[1], c.centre1) << c.args[0];
        EXPECT_FLOAT_EQ(viewSettings.up[2], c.up2) << c.args[0];
        EXPECT_FLOAT_EQ(viewSettings.light[0], c.light0) << c.args[0];
        EXPECT_FLOAT_EQ(viewSettings.light[1], c.light1) << c.args[0];
        EXPECT_EQ(viewSettings.light[3], 0.0f);
    }
}
