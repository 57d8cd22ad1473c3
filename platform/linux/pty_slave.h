#pragma once
// Telling the slave side of a pseudo-terminal by its device numbers.
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace zav::platform {

// True for a character device numbered as the kernel numbers the slaves of
// /dev/ptmx (majors 136 to 143; they have no entry in sysfs).
inline bool is_pty_slave(const struct stat& st) {
    constexpr unsigned kFirstPtySlaveMajor = 136;
    constexpr unsigned kLastPtySlaveMajor = 143;
    const unsigned device_major = major(st.st_rdev);
    return S_ISCHR(st.st_mode) && device_major >= kFirstPtySlaveMajor &&
           device_major <= kLastPtySlaveMajor;
}

}  // namespace zav::platform
