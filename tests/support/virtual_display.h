// The one way tests get a display: a private Xvfb, started by the test
// program on first use and ended with it, and child programs that never
// outlive the tests.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

// Starts Xvfb once and points DISPLAY at it; false when it cannot start.
bool useVirtualDisplay();
// Starts a program (argv without the closing null) in dir with its output
// in the file log there; it is ended when the test program ends.
pid_t spawnProcess(const std::vector<std::string>& argv, const std::string& dir,
                   const std::string& log);
