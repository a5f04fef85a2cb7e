// The normal end of the process and the signals around it. A signal handler
// may do almost nothing safely, so it only notes the request; the idle pass
// turns it into the normal end.
#include "app/process_end.h"

#include <signal.h>

#include <csignal>
#include <cstdlib>
#include <initializer_list>

namespace {

volatile std::sig_atomic_t endSignal = 0;

void noteEndSignal(int signal) {
    if (endSignal) {
        std::signal(signal, SIG_DFL);
        std::raise(signal);
        return;
    }
    endSignal = signal;
}

}  // namespace

void endNormally(int status) { std::exit(status); }

void ignoreWriteSignals() {
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
}

void catchEndSignals() {
    struct sigaction action {};
    action.sa_handler = noteEndSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGHUP, SIGINT}) sigaction(signal, &action, nullptr);
}

bool endRequested() { return endSignal != 0; }
