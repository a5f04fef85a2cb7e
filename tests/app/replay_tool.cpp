// Runs the replay player as a child process, its output into temporary
// files, without a shell in between.
#include "tests/app/replay_tool.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include "tests/support/test_support.h"

#ifndef ZANDOK_REPLAY_EXE
#error "ZANDOK_REPLAY_EXE must name the built zandok-replay"
#endif

namespace {

constexpr std::size_t inFlight = 4;

struct Child {
    pid_t pid = -1;
    std::string out, err;
};

Child start(const std::vector<std::string>& args, std::size_t number) {
    Child child;
    const std::string tag = std::to_string(number);
    child.out = testing_support::tempPath("tool_out_" + tag + ".txt");
    child.err = testing_support::tempPath("tool_err_" + tag + ".txt");
    std::vector<char*> argv;
    std::string program = ZANDOK_REPLAY_EXE;
    argv.push_back(program.data());
    std::vector<std::string> copies = args;
    for (std::string& a : copies) argv.push_back(a.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 1, child.out.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawn_file_actions_addopen(&files, 2, child.err.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    if (posix_spawn(&child.pid, program.c_str(), &files, nullptr, argv.data(), environ) != 0)
        child.pid = -1;
    posix_spawn_file_actions_destroy(&files);
    return child;
}

ToolRun finish(const Child& child) {
    ToolRun run;
    int raw = 0;
    if (child.pid > 0 && waitpid(child.pid, &raw, 0) == child.pid && WIFEXITED(raw))
        run.status = WEXITSTATUS(raw);
    run.out = testing_support::readFile(child.out);
    run.err = testing_support::readFile(child.err);
    return run;
}

}  // namespace

std::vector<ToolRun> runReplayTools(const std::vector<std::vector<std::string>>& argLists) {
    std::vector<ToolRun> runs(argLists.size());
    std::vector<Child> children(argLists.size());
    std::size_t next = 0;
    for (std::size_t i = 0; i < argLists.size(); ++i) {
        while (next < argLists.size() && next < i + inFlight) {
            children[next] = start(argLists[next], next);
            ++next;
        }
        runs[i] = finish(children[i]);
    }
    return runs;
}

ToolRun runReplayTool(const std::vector<std::string>& args) {
    return runReplayTools({args})[0];
}
