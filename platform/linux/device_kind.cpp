#include "zav/platform/device_kind.h"

#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace zav::platform {
namespace {

// The kernel numbers the slaves of /dev/ptmx with majors 136 to 143.
constexpr unsigned kFirstPtySlaveMajor = 136;
constexpr unsigned kLastPtySlaveMajor = 143;

}  // namespace

bool is_pseudo_terminal(const std::string& path) {
    struct stat st {};
    if (path.empty() || ::stat(path.c_str(), &st) != 0 || !S_ISCHR(st.st_mode)) return false;
    const unsigned device_major = major(st.st_rdev);
    return device_major >= kFirstPtySlaveMajor && device_major <= kLastPtySlaveMajor;
}

}  // namespace zav::platform
