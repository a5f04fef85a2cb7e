// The time of the first buffer swap, for tools/first_frame.sh, which times
// the game against a bare GLUT window: both print it the same way.
#pragma once

#include <chrono>
#include <cstdio>
#include <cstdlib>

// Prints "first swap" and the wall clock in microseconds since the epoch on
// standard error, and ends the process.
[[noreturn]] inline void reportFirstSwapAndExit() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    std::fprintf(
        stderr, "first swap %lld\n",
        static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
    std::exit(0);
}
