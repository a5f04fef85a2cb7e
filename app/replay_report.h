// The summary the headless replay player prints: counters, flags, the
// falling block, the rule book's hint and the well.
#pragma once

#include <string>

// Every line ends in a line break; steps is the number of replay steps made.
std::string replayReport(long steps);
// Where the playback stopped at a damaged token and the token as it stands
// in the file (bytes that are not plain text escaped), for standard error.
std::string damagedTokenNote();
