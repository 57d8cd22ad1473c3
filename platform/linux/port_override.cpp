#include "zav/platform/port_override.h"

#include <stdlib.h>

namespace zav::platform {

bool set_port_override(int port_number, const std::string& path) {
    const std::string name = "ZAV_COM" + std::to_string(port_number);
    return ::setenv(name.c_str(), path.c_str(), 1) == 0;
}

}  // namespace zav::platform
