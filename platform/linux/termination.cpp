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
    // A program started in the background by a script inherits SIGINT as
    // ignored, and POSIX lets a system drop a blocked signal whose action is
    // to ignore it instead of keeping it for sigwait().
    signal(SIGINT, SIG_DFL);
    signal(SIGTERM, SIG_DFL);
}

int wait_for_termination_signal() {
    const sigset_t set = termination_set();
    int signal_number = 0;
    return sigwait(&set, &signal_number) == 0 ? signal_number : 0;
}

}  // namespace zav::platform
