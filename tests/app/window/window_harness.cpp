// The virtual display and the game process for the real-window tests.
#include "tests/app/window/window_harness.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

#include <gtest/gtest.h>

#include "tests/support/test_support.h"

#ifndef ZANDOK_GAME_EXE
#error "ZANDOK_GAME_EXE must name the built game program"
#endif

namespace window_harness {

namespace {

pid_t xvfbPid = 0;
int displayNumber = -2;

void stopXvfb() {
    if (xvfbPid <= 0) return;
    kill(xvfbPid, SIGTERM);
    waitpid(xvfbPid, nullptr, 0);
    xvfbPid = 0;
}

int startXvfb() {
    int fds[2];
    if (pipe(fds) != 0) return -1;
    const pid_t pid = fork();
    if (pid < 0) return -1;
    if (pid == 0) {
        prctl(PR_SET_PDEATHSIG, SIGTERM);  // never outlive the tests
        close(fds[0]);
        const int devNull = open("/dev/null", O_WRONLY);
        if (devNull >= 0) dup2(devNull, 1), dup2(devNull, 2);
        const std::string fd = std::to_string(fds[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24",
               "-nolisten", "tcp", "-noreset", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    xvfbPid = pid;
    std::atexit(stopXvfb);
    std::string number;
    char c;
    pollfd p = {fds[0], POLLIN, 0};
    while (poll(&p, 1, 20000) > 0 && read(fds[0], &c, 1) == 1 && c != '\n') number += c;
    close(fds[0]);
    return number.empty() ? -1 : std::atoi(number.c_str());
}

std::string shellQuoted(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

std::string trimmed(std::string s) {
    while (!s.empty() && (s.back() == '\n' || s.back() == ' ')) s.pop_back();
    return s;
}

}  // namespace

int display() {
    if (displayNumber == -2) {
        displayNumber = startXvfb();
        if (displayNumber >= 0) {
            setenv("DISPLAY", (":" + std::to_string(displayNumber)).c_str(), 1);
            setenv("LIBGL_ALWAYS_SOFTWARE", "1", 1);
            setenv("SDL_AUDIODRIVER", "dummy", 0);
        }
    }
    return displayNumber;
}

std::string run(const std::string& command) {
    std::string out;
    std::FILE* p = popen((command + " 2>/dev/null").c_str(), "r");
    if (!p) return out;
    char buffer[4096];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, p)) > 0) out.append(buffer, got);
    pclose(p);
    return out;
}

std::string findWindow(const std::string& titlePattern) {
    const std::string found = run("xdotool search --name " + shellQuoted(titlePattern));
    return trimmed(found.substr(0, found.find('\n')));
}

std::string windowName(const std::string& window) {
    return trimmed(run("xdotool getwindowname " + window));
}

Geometry geometry(const std::string& window) {
    // Position relative to the root window, as no window manager moves it.
    const std::string info = run("xwininfo -id " + window);
    Geometry g;
    auto field = [&](const char* label) {
        const std::size_t at = info.find(label);
        return at == std::string::npos ? -1 : std::atoi(info.c_str() + at + std::strlen(label));
    };
    g.x = field("Absolute upper-left X:");
    g.y = field("Absolute upper-left Y:");
    g.width = field("Width:");
    g.height = field("Height:");
    return g;
}

Picture capture(const std::string& window) {
    Picture p;
    const std::string ppm = run("import -window " + window + " -depth 8 ppm:-");
    int maxValue = 0, used = 0;
    if (std::sscanf(ppm.c_str(), "P6 %d %d %d%n", &p.width, &p.height, &maxValue, &used) != 3)
        return Picture{};
    const std::size_t size = static_cast<std::size_t>(p.width) * p.height * 3;
    const std::size_t start = static_cast<std::size_t>(used) + 1;
    if (maxValue != 255 || ppm.size() < start + size) return Picture{};
    p.rgb.assign(ppm.begin() + static_cast<long>(start),
                 ppm.begin() + static_cast<long>(start + size));
    return p;
}

bool startGame(Game& game, const std::vector<std::string>& args) {
    if (display() < 0) return false;
    game.dir = testing_support::tempPath("game");
    run("rm -rf " + shellQuoted(game.dir));
    if (mkdir(game.dir.c_str(), 0700) != 0) return false;
    const pid_t pid = fork();
    if (pid < 0) return false;
    if (pid == 0) {
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (chdir(game.dir.c_str()) != 0) _exit(126);
        const int log = open("game.log", O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (log >= 0) dup2(log, 1), dup2(log, 2);
        std::vector<char*> argv;
        std::string program = ZANDOK_GAME_EXE;
        argv.push_back(program.data());
        std::vector<std::string> copies = args;
        for (std::string& a : copies) argv.push_back(a.data());
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    game.pid = pid;
    game.exitStatus = -2;
    return waitUntil(
        [&] {
            game.gameWindow = findWindow("^3D Zandok.*\\(APRIL 2003, v\\.1\\)$");
            game.panelWindow = findWindow("^CONTROL PANEL$");
            return !game.gameWindow.empty() && !game.panelWindow.empty() &&
                   !capture(game.gameWindow).rgb.empty();
        },
        30);
}

bool waitForExit(Game& game, double seconds) {
    if (game.exitStatus != -2) return true;
    return waitUntil(
        [&] {
            int raw = 0;
            if (waitpid(game.pid, &raw, WNOHANG) != game.pid) return false;
            game.exitStatus = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
            return true;
        },
        seconds);
}

void stopGame(Game& game) {
    if (game.pid <= 0 || game.exitStatus != -2) return;
    kill(game.pid, SIGTERM);
    if (!waitForExit(game, 5)) {
        kill(game.pid, SIGKILL);
        waitForExit(game, 5);
    }
}

void keys(const std::string& window, const std::string& names) {
    run("xdotool key --window " + window + " " + names);
}

void type(const std::string& window, const std::string& text) {
    run("xdotool type --window " + window + " " + shellQuoted(text));
}

void moveMouse(int x, int y) {
    run("xdotool mousemove " + std::to_string(x) + " " + std::to_string(y));
}

void click(int x, int y) {
    run("xdotool mousemove " + std::to_string(x) + " " + std::to_string(y) + " click 1");
}

bool waitUntil(const std::function<bool()>& done, double seconds) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    for (;;) {
        if (done()) return true;
        if (std::chrono::steady_clock::now() > end) return false;
        pause(0.1);
    }
}

void pause(double seconds) {
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

int changedPixels(const Picture& a, const Picture& b, int x0, int y0, int x1, int y1) {
    if (a.width != b.width || a.height != b.height || a.rgb.empty()) return -1;
    int changed = 0;
    for (int y = y0; y < y1 && y < a.height; ++y)
        for (int x = x0; x < x1 && x < a.width; ++x) {
            const uint8_t* p = a.at(x, y);
            const uint8_t* q = b.at(x, y);
            if (std::abs(p[0] - q[0]) + std::abs(p[1] - q[1]) + std::abs(p[2] - q[2]) > 24)
                ++changed;
        }
    return changed;
}

int brightPixels(const Picture& p, int x0, int y0, int x1, int y1, int minSum) {
    int bright = 0;
    for (int y = y0; y < y1 && y < p.height; ++y)
        for (int x = x0; x < x1 && x < p.width; ++x) {
            const uint8_t* c = p.at(x, y);
            if (c[0] + c[1] + c[2] >= minSum) ++bright;
        }
    return bright;
}

}  // namespace window_harness
