#include "test_port.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>

#include "zav/test/wait_until.h"

namespace zav::serial::test {
namespace {

std::string env_name(int com_number) {
    return "ZAV_COM" + std::to_string(com_number);
}

std::int64_t now_ms() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

TestPort::TestPort(int com_number) : com_number_(com_number) {
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0)
        throw std::runtime_error("cannot make a pseudo-terminal");
    slave_path_ = ptsname(master_);
    slave_ = open(slave_path_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (slave_ < 0) throw std::runtime_error("cannot open " + slave_path_);
    termios raw{};
    tcgetattr(slave_, &raw);
    cfmakeraw(&raw);
    tcsetattr(slave_, TCSANOW, &raw);
    setenv(env_name(com_number).c_str(), slave_path_.c_str(), 1);
}

TestPort::~TestPort() {
    unsetenv(env_name(com_number_).c_str());
    close(slave_);
    close(master_);
}

void TestPort::send(const std::vector<std::uint8_t>& bytes) const {
    if (write(master_, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()))
        throw std::runtime_error("pty write failed");
}

std::vector<std::uint8_t> TestPort::receive_for(int ms) const {
    std::vector<std::uint8_t> got;
    const std::int64_t end = now_ms() + ms;
    for (std::int64_t left = ms; left > 0; left = end - now_ms()) {
        pollfd p{master_, POLLIN, 0};
        if (poll(&p, 1, static_cast<int>(left)) <= 0) break;
        std::uint8_t chunk[256];
        const ssize_t n = read(master_, chunk, sizeof chunk);
        if (n <= 0) break;
        got.insert(got.end(), chunk, chunk + n);
    }
    return got;
}

bool TestPort::delivered(int count) const {
    // The pty hands written bytes over a moment later.
    return zav::test::waitUntil(
        [&] {
            int queued = 0;
            return ioctl(slave_, FIONREAD, &queued) == 0 && queued >= count;
        },
        std::chrono::seconds(1));
}

termios TestPort::line() const {
    termios t{};
    tcgetattr(slave_, &t);
    return t;
}

void TestPort::set_line(const termios& settings) const {
    tcsetattr(slave_, TCSANOW, &settings);
}

}  // namespace zav::serial::test
