#include "zav/platform/termination.h"

#include <poll.h>
#include <pthread.h>
#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

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

int wait_for_termination_signal(const Waker& waker) {
    const sigset_t set = termination_set();
    const int fd = ::signalfd(-1, &set, SFD_CLOEXEC);
    if (fd < 0) return 0;
    pollfd fds[2] = {{fd, POLLIN, 0}, {waker.fd(), POLLIN, 0}};
    int signal_number = 0;
    for (;;) {
        const int rc = ::poll(fds, 2, -1);
        if (rc < 0 && errno == EINTR) continue;
        if (rc > 0 && (fds[0].revents & POLLIN)) {
            signalfd_siginfo info{};
            if (::read(fd, &info, sizeof info) == sizeof info) {
                signal_number = static_cast<int>(info.ssi_signo);
            }
        }
        break;
    }
    ::close(fd);
    return signal_number;
}

void end_process_now(const char* line, int status) {
    // write(2) and _exit(2) alone: async-signal-safe, whatever the other
    // threads hold.
    [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, line, std::strlen(line));
    ::_exit(status);
}

}  // namespace zav::platform
