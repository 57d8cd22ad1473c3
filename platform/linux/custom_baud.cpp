#include "custom_baud.h"

#include <asm/termbits.h>
#include <sys/ioctl.h>

#include <algorithm>
#include <cerrno>
#include <iterator>

namespace zav::platform {
namespace {

constexpr std::uint32_t kCustomBauds[] = {28800};

int ioctl_retry(int fd, unsigned long request, termios2* t) {
    for (;;) {
        const int rc = ::ioctl(fd, request, t);
        if (rc == 0 || errno != EINTR) return rc;
    }
}

}  // namespace

bool is_custom_baud(std::uint32_t baud) {
    return std::find(std::begin(kCustomBauds), std::end(kCustomBauds), baud) !=
           std::end(kCustomBauds);
}

bool set_custom_baud(int fd, std::uint32_t baud) {
    termios2 t{};
    if (ioctl_retry(fd, TCGETS2, &t) != 0) return false;
    t.c_cflag &= ~(CBAUD | (CBAUD << IBSHIFT));
    t.c_cflag |= BOTHER | (BOTHER << IBSHIFT);
    t.c_ispeed = baud;
    t.c_ospeed = baud;
    return ioctl_retry(fd, TCSETS2, &t) == 0;
}

}  // namespace zav::platform
