#include "StopSignals.h"

#include <cstring>

namespace tarvik {
namespace {

volatile std::sig_atomic_t stopSignal = 0;

void NoteStopSignal(int signal) {
    stopSignal = signal;
}

sigset_t StopSet() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    return set;
}

}  // namespace

void InstallStopSignals() {
    struct sigaction action;
    std::memset(&action, 0, sizeof action);
    action.sa_handler = NoteStopSignal;
    sigemptyset(&action.sa_mask);
    // Reads in the middle of a load go on; the load looks at the note at its next report.
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGINT, SIGTERM})
        sigaction(signal, &action, nullptr);
}

int StopSignal() {
    return stopSignal;
}

int StoppedStatus() {
    return 128 + stopSignal;
}

StopSignalsHeld::StopSignalsHeld() {
    const sigset_t set = StopSet();
    sigprocmask(SIG_BLOCK, &set, &before_);
}

StopSignalsHeld::~StopSignalsHeld() {
    sigprocmask(SIG_SETMASK, &before_, nullptr);
}

}  // namespace tarvik
