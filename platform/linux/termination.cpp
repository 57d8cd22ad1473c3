#include "zav/platform/termination.h"

#include <pthread.h>
#include <signal.h>

namespace zav::platform {
namespace {

sigset_t termination_set() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    return set;
}

}  // namespace

void block_termination_signals() {
    const sigset_t set = termination_set();
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

int wait_for_termination_signal() {
    const sigset_t set = termination_set();
    int signal_number = 0;
    return sigwait(&set, &signal_number) == 0 ? signal_number : 0;
}

}  // namespace zav::platform
