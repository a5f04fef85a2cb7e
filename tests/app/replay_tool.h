// Running the built replay player from a test.
#pragma once

#include <string>
#include <vector>

struct ToolRun {
    int status = -1;  // exit status, or -1 when it did not exit normally
    std::string out;
    std::string err;
};

// Runs zandok-replay with the arguments and collects its output.
ToolRun runReplayTool(const std::vector<std::string>& args);
// Runs it once per argument list, a few at a time; results in the same order.
std::vector<ToolRun> runReplayTools(const std::vector<std::vector<std::string>>& argLists);
