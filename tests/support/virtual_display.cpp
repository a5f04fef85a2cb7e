// The private virtual display and the child programs of the tests.
#include "tests/support/virtual_display.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

pid_t spawnProcess(const std::vector<std::string>& argv, const std::string& dir,
                   const std::string& log) {
    const pid_t pid = fork();
    if (pid != 0) return pid;
    prctl(PR_SET_PDEATHSIG, SIGTERM);  // ends with the test program, even a crashed one
    const int out =
        chdir(dir.c_str()) == 0 ? open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600) : -1;
    if (out < 0 || dup2(out, 1) < 0 || dup2(out, 2) < 0) _exit(126);
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    execvp(args[0], args.data());
    _exit(127);
}

namespace {
pid_t server = -1;
// Waits for the server to be gone: one that is still shutting down could
// unlink the socket of the next test program's server on the same display.
void endServer() {
    if (server > 0 && kill(server, SIGTERM) == 0) waitpid(server, nullptr, 0);
}
}  // namespace

bool useVirtualDisplay() {
    static const int display = [] {
        // A number of this program's own: a display number that another
        // test program's server has just given up can still lose its socket
        // to that server's shutdown, and Xvfb -displayfd alone would take
        // the lowest free one.
        for (int attempt = 0; attempt < 20; ++attempt) {
            const int wanted = 100 + (getpid() * 7 + attempt * 131) % 900;
            int fds[2], number = -1;
            if (pipe(fds) != 0) return -1;
            // Xvfb writes the number once it takes clients; it ends at once
            // when that display is taken.
            server = spawnProcess(
                {"Xvfb", ":" + std::to_string(wanted), "-displayfd", std::to_string(fds[1]),
                 "-screen", "0", "1280x1024x24", "-nolisten", "tcp"},
                "/", "/dev/null");
            close(fds[1]);
            std::FILE* in = fdopen(fds[0], "r");
            if (!in || std::fscanf(in, "%d", &number) != 1) number = -1;
            if (in) std::fclose(in);
            if (number >= 0) {
                std::atexit(endServer);
                return number;
            }
            waitpid(server, nullptr, 0);
            server = -1;
        }
        return -1;
    }();
    if (display < 0) return false;
    setenv("DISPLAY", (":" + std::to_string(display)).c_str(), 1);
    return true;
}
