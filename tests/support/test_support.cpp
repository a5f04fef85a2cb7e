// The shared test helpers: fake outlets, files and commands.
#include "tests/support/test_support.h"

#include <grp.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <deque>
#include <fstream>
#include <iterator>

#include "model/block.h"
#include "model/message_line.h"
#include "model/reset.h"
#include "model/seams.h"

namespace testing_support {

int64_t fakeNow = 1000;
std::vector<int> playedCues;
std::string recordedTokens;

namespace {
std::deque<int> scripted;
}  // namespace

void installFakes() {
    fakeNow = 1000, scripted.clear(), playedCues.clear(), recordedTokens.clear();
    seams.wallClock = [] { return fakeNow; };
    seams.randomValue = [] {
        const int v = scripted.empty() ? 0 : scripted.front();
        if (!scripted.empty()) scripted.pop_front();
        return v;
    };
    seams.seedRandom = [](unsigned) {};
    seams.cuePlayer = [](int id) { playedCues.push_back(id); };
    seams.tokenWriter = [](const char* bytes, std::size_t n) { recordedTokens.append(bytes, n); };
}

void resetGame() { installFakes(), resetModel(); }

void scriptRandom(const std::vector<int>& values) { scripted.assign(values.begin(), values.end()); }

void startKind(int kind) { fallingBlock.start(static_cast<int16_t>(kind)); }

void fillSettled(std::initializer_list<std::array<int, 3>> cells) {
    for (const auto& c : cells) settledWell.setCell(c[0], c[1], c[2], SettledCube);
}

std::string frames(int seconds) {
    std::string shown;
    for (int i = 0; i < seconds; ++i, ++fakeNow) shown += std::string(currentMessage()) + "|";
    return shown;
}

int queuedPosts() {
    int posts = 0;
    for (const MessageLine::Entry& entry : messageLine.queue) posts += entry.count;
    return posts;
}

std::string times(const std::string& text, int n, const std::string& after) {
    std::string s;
    while (n-- > 0) s += text + after;
    return s;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string tempPath(const std::string& name) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    // The process in the name: test programs of other builds may run at once.
    std::string path = ::testing::TempDir() + "zandok" + std::to_string(getpid()) + "_";
    if (info) path += std::string(info->name()) + "_";
    path += name;
    std::remove(path.c_str());
    return path;
}

std::pair<int, std::string> runCommand(const std::string& command) {
    std::string out;
    std::FILE* p = popen(command.c_str(), "r");
    if (!p) return {-1, out};
    char buffer[65536];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, p)) > 0;) out.append(buffer, n);
    const int status = pclose(p);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

int inChild(const std::function<void()>& body, double seconds, double* elapsed) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid == 0) body(), _exit(0);
    int status = -1;
    while (waitpid(pid, &status, WNOHANG) == 0)
        if (Clock::now() - start > std::chrono::duration<double>(seconds))
            kill(pid, SIGKILL), waitpid(pid, nullptr, 0), status = -1;
        else
            usleep(1000);
    if (elapsed) *elapsed = std::chrono::duration<double>(Clock::now() - start).count();
    return status;
}

bool asNobody(const std::function<bool()>& check) {
    const int status = inChild(
        [&] {
            // A user who is not root meets the permissions as they are.
            const bool nobody = geteuid() != 0 || (setgroups(0, nullptr) == 0 &&
                                                   setgid(65534) == 0 && setuid(65534) == 0);
            _exit(nobody && check() ? 0 : 1);
        },
        60);
    return status == 0;
}

}  // namespace testing_support
