#include "zav/platform/wake_wait.h"

#include <poll.h>

#include <cerrno>

namespace zav::platform {

WaitResult wait_for_wake(const Waker& waker, const Deadline& deadline) {
    pollfd p{waker.fd(), POLLIN, 0};
    for (;;) {
        const int rc = ::poll(&p, 1, deadline.remaining_ms());
        if (rc > 0) return WaitResult::Woken;
        if (rc == 0) return WaitResult::Timeout;
        if (errno != EINTR) return WaitResult::Error;
    }
}

}  // namespace zav::platform
