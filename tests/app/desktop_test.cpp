// The game among other programs on a desktop: no work while neither window
// shows, with gravity going on by the clock.
#include <regex>

#include "tests/app/window_fixture.h"

namespace {

// The processor time the program has used, in seconds.
double processorSeconds(pid_t pid) {
    // utime and stime, in clock ticks (the program's name has no space).
    const std::string ticks = run("awk '{print $14 + $15}' /proc/" + std::to_string(pid) + "/stat");
    return std::stod(ticks) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

long drops(const std::string& recording) {
    const std::regex drop("drop");
    return std::distance(std::sregex_iterator(recording.begin(), recording.end(), drop), {});
}

}  // namespace

TEST_F(WindowTest, HiddenTheGameIdlesWhileItsBlockFallsByTheClockAndShowsAtOnceWhenShown) {
    launch();
    keys("plus plus plus plus plus");  // level 5: a step a second, after the step due
    ASSERT_TRUE(waitUntil([&] { return drops(recording()) >= 2; }, 80)) << recording();
    run("xdotool windowunmap " + game + " windowunmap " + panel);
    usleep(500000);
    const long before = drops(recording());
    const double start = processorSeconds(pid);
    usleep(3000000);
    EXPECT_LT(processorSeconds(pid) - start, 0.2 * 3) << "of 3 seconds hidden";
    const long hidden = drops(recording());
    EXPECT_GE(hidden - before, 2) << recording();  // by the clock, unseen
    run("xdotool windowmap " + game + " windowmap " + panel);
    EXPECT_TRUE(waitUntil([&] { return count(capture(game, lowerWell), 60) > 500; }, 10));
    EXPECT_TRUE(waitUntil([&] { return drops(recording()) > hidden; }, 20));  // and goes on
}
