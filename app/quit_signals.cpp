// A signal only raises a flag; the main loop sees it within a tenth of a
// second and leaves through the ordinary exit, where nothing is half done.
#include "app/quit_signals.h"

#include <GL/freeglut.h>

#include <csignal>
#include <initializer_list>

#include "app/window_seam.h"

namespace {

constexpr int checkMilliseconds = 100;
volatile std::sig_atomic_t quitAsked = 0;

void checkQuit(int) {
    if (quitAsked) windowSeam.exitProcess(0);
    glutTimerFunc(checkMilliseconds, checkQuit, 0);
}

}  // namespace

void quitOnSignals() {
    for (const int sig : {SIGTERM, SIGHUP, SIGINT}) {
        struct sigaction now {};
        if (sigaction(sig, nullptr, &now) != 0 || now.sa_handler != SIG_DFL) continue;
        struct sigaction quit {};
        quit.sa_handler = [](int) { quitAsked = 1; };
        sigemptyset(&quit.sa_mask);
        sigaction(sig, &quit, nullptr);
    }
    glutTimerFunc(checkMilliseconds, checkQuit, 0);
}
