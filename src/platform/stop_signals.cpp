#include "platform/stop_signals.h"

#include <csignal>

namespace {

volatile std::sig_atomic_t stopAsked = 0;

extern "C" void AskToStop(int signal) {
    stopAsked = 1;
    // The next one of its kind is not waited for.
    std::signal(signal, SIG_DFL);
}

}  // namespace

void CatchStopSignals() {
    std::signal(SIGINT, AskToStop);
    std::signal(SIGTERM, AskToStop);
#ifdef SIGHUP
    std::signal(SIGHUP, AskToStop);
#endif
}

bool StopAsked() {
    return stopAsked != 0;
}
