#include "zav/platform/device_kind.h"

#include "pty_slave.h"

namespace zav::platform {

bool is_pseudo_terminal(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && is_pty_slave(st);
}

}  // namespace zav::platform
