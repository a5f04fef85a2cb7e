// Idle passes through GLUT. With a window showing, GLUT calls the pass
// whenever no event waits, and every pass asks for a frame. With neither
// window showing there is nobody to draw for: the idle callback is taken
// away, and one GLUT timer at a time brings the hidden pass at the moment the
// clock next changes the game. In between, GLUT's loop sleeps until an event
// or a timer.
#include "app/idle_glut.h"

#include <GL/freeglut.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdint>

#include "app/idle.h"

namespace {

constexpr int maxWindows = 2;
int windows[maxWindows];
bool hidden[maxWindows];
int windowCount = 0;
void (*shownPass)() = nullptr;
constexpr int64_t noTimer = -1;
int64_t timerDue = noTimer;  // wall-clock milliseconds of the timer set, if any

int64_t wallMilliseconds() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

bool windowShown() {
    return std::any_of(hidden, hidden + windowCount, [](bool h) { return !h; });
}

void sleepUntilDue();

void hiddenPass(int) {
    timerDue = noTimer;
    if (windowShown()) return;  // shown again meanwhile
    onHiddenIdle();
    sleepUntilDue();
}

// A signal asking the game to end interrupts GLUT's sleep but brings no
// event: a hidden game looks for it at least this often.
constexpr int64_t endSignalCheckMilliseconds = 250;

// A timer set earlier than this one brings a pass that sets the next.
void sleepUntilDue() {
    const int64_t now = wallMilliseconds();
    int64_t wait = idleSleepMilliseconds(false, now);
    if (wait == sleepUntilEvent || wait > endSignalCheckMilliseconds)
        wait = endSignalCheckMilliseconds;
    if (timerDue != noTimer && now + wait >= timerDue) return;
    timerDue = now + wait;
    glutTimerFunc(static_cast<unsigned>(std::min<int64_t>(wait, INT_MAX)), hiddenPass, 0);
}

// GLUT makes the window in question current for the call.
void onWindowStatus(int state) {
    const bool wasShown = windowShown();
    for (int i = 0; i < windowCount; ++i)
        if (windows[i] == glutGetWindow())
            hidden[i] = state == GLUT_HIDDEN || state == GLUT_FULLY_COVERED;
    if (windowShown() == wasShown) return;
    if (wasShown) {
        glutIdleFunc(nullptr);
        sleepUntilDue();
    } else {
        glutIdleFunc(shownPass);  // whose first pass asks for a frame
    }
}

}  // namespace

void runIdlePasses(void (*pass)()) {
    shownPass = pass;
    if (windowShown() || windowCount == 0)
        glutIdleFunc(pass);
    else
        sleepUntilDue();
}

void followVisibility() {
    if (windowCount == maxWindows) return;
    windows[windowCount++] = glutGetWindow();
    glutWindowStatusFunc(onWindowStatus);
}
