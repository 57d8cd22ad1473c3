#include "zav/platform/serial_device.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "custom_baud.h"

namespace zav::platform {
namespace {

struct BaudEntry {
    std::uint32_t baud;
    speed_t code;
};

constexpr BaudEntry kBauds[] = {
    {50, B50},         {75, B75},         {110, B110},       {134, B134},
    {150, B150},       {200, B200},       {300, B300},       {600, B600},
    {1200, B1200},     {1800, B1800},     {2400, B2400},     {4800, B4800},
    {9600, B9600},     {19200, B19200},   {38400, B38400},   {57600, B57600},
    {115200, B115200}, {230400, B230400}, {460800, B460800}, {500000, B500000},
    {576000, B576000}, {921600, B921600}, {1000000, B1000000}};

bool baud_code(std::uint32_t baud, speed_t* code) {
    for (const auto& e : kBauds) {
        if (e.baud == baud) {
            *code = e.code;
            return true;
        }
    }
    return false;
}

std::uint32_t baud_from_code(speed_t code) {
    for (const auto& e : kBauds) {
        if (e.code == code) return e.baud;
    }
    return 0;
}

// A modem-line or driver ioctl that this kind of device does not have.
bool not_applicable(int err) { return err == ENOTTY || err == EINVAL || err == ENOTSUP; }

int poll_retry(pollfd* fds, nfds_t n, const Deadline& deadline) {
    for (;;) {
        const int rc = ::poll(fds, n, deadline.remaining_ms());
        if (rc >= 0 || errno != EINTR) return rc;
    }
}

}  // namespace

bool baud_supported(std::uint32_t baud) {
    speed_t code;
    return baud_code(baud, &code) || is_custom_baud(baud);
}

Waker::Waker() : fd_(::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {}

Waker::~Waker() {
    if (fd_ >= 0) ::close(fd_);
}

void Waker::wake() {
    const std::uint64_t one = 1;
    [[maybe_unused]] ssize_t rc = ::write(fd_, &one, sizeof one);
}

void Waker::clear() {
    std::uint64_t value;
    [[maybe_unused]] ssize_t rc = ::read(fd_, &value, sizeof value);
}

SerialDevice::~SerialDevice() { close(); }

SerialDevice::SerialDevice(SerialDevice&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

SerialDevice& SerialDevice::operator=(SerialDevice&& other) noexcept {
    if (this != &other) {
        close();
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

bool SerialDevice::open(const std::string& path) {
    close();
    int fd;
    do {
        fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) return false;
    if (!::isatty(fd) || (::ioctl(fd, TIOCEXCL) != 0 && !not_applicable(errno))) {
        const int err = isatty(fd) ? errno : ENOTTY;
        ::close(fd);
        errno = err;
        return false;
    }
    fd_ = fd;
    return true;
}

bool SerialDevice::close() {
    if (fd_ < 0) return true;
    // Exclusive mode outlives this descriptor when another one (the
    // simulator's) keeps the terminal open; hand the device back cleanly.
    ::ioctl(fd_, TIOCNXCL);
    const int rc = ::close(std::exchange(fd_, -1));
    return rc == 0 || errno == EINTR;
}

bool SerialDevice::apply(const LineSettings& s) {
    speed_t code = B38400;  // stands in for a custom rate until it is set
    const bool custom = is_custom_baud(s.baud);
    if (fd_ < 0 || (!custom && !baud_code(s.baud, &code)) || s.data_bits < 5 || s.data_bits > 8 ||
        (s.stop_bits != 1 && s.stop_bits != 2)) {
        errno = EINVAL;
        return false;
    }
    termios t{};
    if (::tcgetattr(fd_, &t) != 0) return false;
    ::cfmakeraw(&t);
    t.c_cflag |= CLOCAL | CREAD;
    t.c_cflag &= ~(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS);
    static constexpr tcflag_t kSize[] = {CS5, CS6, CS7, CS8};
    t.c_cflag |= kSize[s.data_bits - 5];
    switch (s.parity) {
        case Parity::None: break;
        case Parity::Even: t.c_cflag |= PARENB; break;
        case Parity::Odd: t.c_cflag |= PARENB | PARODD; break;
        case Parity::Mark: t.c_cflag |= PARENB | PARODD | CMSPAR; break;
        case Parity::Space: t.c_cflag |= PARENB | CMSPAR; break;
    }
    if (s.stop_bits == 2) t.c_cflag |= CSTOPB;
    if (s.rts_cts) t.c_cflag |= CRTSCTS;
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    if (::cfsetispeed(&t, code) != 0 || ::cfsetospeed(&t, code) != 0) return false;
    if (::tcsetattr(fd_, TCSANOW, &t) != 0) return false;
    return !custom || set_custom_baud(fd_, s.baud);
}

bool SerialDevice::read_settings(LineSettings* s) const {
    termios t{};
    if (fd_ < 0 || ::tcgetattr(fd_, &t) != 0) return false;
    s->baud = baud_from_code(::cfgetospeed(&t));
    switch (t.c_cflag & CSIZE) {
        case CS5: s->data_bits = 5; break;
        case CS6: s->data_bits = 6; break;
        case CS7: s->data_bits = 7; break;
        default: s->data_bits = 8; break;
    }
    if (!(t.c_cflag & PARENB)) {
        s->parity = Parity::None;
    } else if (t.c_cflag & CMSPAR) {
        s->parity = (t.c_cflag & PARODD) ? Parity::Mark : Parity::Space;
    } else {
        s->parity = (t.c_cflag & PARODD) ? Parity::Odd : Parity::Even;
    }
    s->stop_bits = (t.c_cflag & CSTOPB) ? 2 : 1;
    s->rts_cts = (t.c_cflag & CRTSCTS) != 0;
    return true;
}

bool SerialDevice::set_dtr(bool on) {
    if (fd_ < 0) return false;
    int bits = TIOCM_DTR;
    if (::ioctl(fd_, on ? TIOCMBIS : TIOCMBIC, &bits) == 0) return true;
    return not_applicable(errno);
}

long SerialDevice::write_some(const std::uint8_t* data, std::size_t count) {
    if (fd_ < 0) return -1;
    for (;;) {
        const ssize_t n = ::write(fd_, data, count);
        if (n >= 0) return n;
        if (errno == EINTR) continue;
        return (errno == EAGAIN || errno == EWOULDBLOCK) ? 0 : -1;
    }
}

std::size_t SerialDevice::write_all(const std::uint8_t* data, std::size_t count,
                                    const Deadline& deadline) {
    std::size_t done = 0;
    while (done < count) {
        const long n = write_some(data + done, count - done);
        if (n < 0) break;
        done += static_cast<std::size_t>(n);
        if (done == count) break;
        pollfd p{fd_, POLLOUT, 0};
        if (poll_retry(&p, 1, deadline) <= 0 || (p.revents & (POLLERR | POLLNVAL))) break;
    }
    return done;
}

long SerialDevice::read_some(std::uint8_t* data, std::size_t count) {
    if (fd_ < 0) return -1;
    for (;;) {
        const ssize_t n = ::read(fd_, data, count);
        if (n >= 0) return n;
        if (errno == EINTR) continue;
        return (errno == EAGAIN || errno == EWOULDBLOCK) ? 0 : -1;
    }
}

int SerialDevice::input_queued() const {
    int n = 0;
    if (fd_ < 0 || ::ioctl(fd_, FIONREAD, &n) != 0) return -1;
    return n;
}

int SerialDevice::output_queued() const {
    int n = 0;
    if (fd_ < 0 || ::ioctl(fd_, TIOCOUTQ, &n) != 0) return -1;
    return n;
}

void SerialDevice::flush_input() {
    if (fd_ >= 0) ::tcflush(fd_, TCIFLUSH);
}

WaitResult SerialDevice::wait_input(const Deadline& deadline, const Waker* waker) const {
    if (fd_ < 0) return WaitResult::Error;
    pollfd fds[2] = {{fd_, POLLIN, 0}, {waker ? waker->fd() : -1, POLLIN, 0}};
    const int rc = poll_retry(fds, waker ? 2 : 1, deadline);
    if (rc < 0) return WaitResult::Error;
    if (waker && (fds[1].revents & POLLIN)) return WaitResult::Woken;
    if (rc == 0) return WaitResult::Timeout;
    if (fds[0].revents & POLLIN) return WaitResult::Ready;
    // Hang-up (a pseudo-terminal whose other side has gone) or a dead
    // descriptor: waiting again would return at once, so report it.
    return WaitResult::Error;
}

bool SerialDevice::wait_output_drained(const Deadline& deadline) const {
    // The driver gives no wake-up for an empty output queue, so look at it
    // at a short interval; a pseudo-terminal reports 0 at once.
    for (;;) {
        const int queued = output_queued();
        if (queued <= 0) return queued == 0;
        if (deadline.expired()) return false;
        const std::int64_t left = deadline.remaining_ms64();
        sleep_ms(left < 2 ? left : 2);
    }
}

}  // namespace zav::platform
