#include "zav/platform/pseudo_terminal.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <climits>

namespace zav::platform {
namespace {

// Bytes are data, not text: without raw mode the slave's line discipline
// would echo the host's frames back and translate 0x0D and 0x7F.
bool make_raw(int fd) {
    termios t{};
    if (::tcgetattr(fd, &t) != 0) return false;
    ::cfmakeraw(&t);
    t.c_cflag |= CLOCAL | CREAD;
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    return ::tcsetattr(fd, TCSANOW, &t) == 0;
}

}  // namespace

PseudoTerminal::~PseudoTerminal() {
    close();
}

bool PseudoTerminal::open() {
    close();
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (master_ < 0) return false;
    char path[PATH_MAX];
    if (::grantpt(master_) != 0 || ::unlockpt(master_) != 0 ||
        ::ptsname_r(master_, path, sizeof path) != 0) {
        const int err = errno;
        close();
        errno = err;
        return false;
    }
    slave_ = ::open(path, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (slave_ < 0 || !make_raw(slave_)) {
        const int err = errno;
        close();
        errno = err;
        return false;
    }
    slave_path_ = path;
    return true;
}

void PseudoTerminal::close() {
    if (slave_ >= 0) ::close(slave_);
    if (master_ >= 0) ::close(master_);
    slave_ = master_ = -1;
    slave_path_.clear();
}

long PseudoTerminal::read_some(std::uint8_t* data, std::size_t count) {
    if (master_ < 0) return -1;
    for (;;) {
        const ssize_t n = ::read(master_, data, count);
        if (n >= 0) return n;
        if (errno == EINTR) continue;
        return (errno == EAGAIN || errno == EWOULDBLOCK) ? 0 : -1;
    }
}

long PseudoTerminal::write_some(const std::uint8_t* data, std::size_t count) {
    if (master_ < 0) return -1;
    for (;;) {
        const ssize_t n = ::write(master_, data, count);
        if (n >= 0) return n;
        if (errno == EINTR) continue;
        return (errno == EAGAIN || errno == EWOULDBLOCK) ? 0 : -1;
    }
}

bool PseudoTerminal::wait(const Deadline& deadline, bool want_room, const Waker& waker,
                          Readiness* ready) const {
    *ready = Readiness{};
    if (master_ < 0) return false;
    pollfd fds[2] = {{master_, static_cast<short>(POLLIN | (want_room ? POLLOUT : 0)), 0},
                     {waker.fd(), POLLIN, 0}};
    int rc;
    do {
        rc = ::poll(fds, 2, deadline.remaining_ms());
    } while (rc < 0 && errno == EINTR);
    // A hang-up cannot happen while the slave descriptor is held; should it,
    // waiting again would return at once, so it ends the wait as a failure.
    if (rc < 0 || (fds[0].revents & (POLLERR | POLLNVAL | POLLHUP))) return false;
    ready->input = (fds[0].revents & POLLIN) != 0;
    ready->room = (fds[0].revents & POLLOUT) != 0;
    ready->woken = (fds[1].revents & POLLIN) != 0;
    return true;
}

}  // namespace zav::platform
