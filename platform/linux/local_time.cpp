#include "zav/platform/local_time.h"

#include <time.h>

namespace zav::platform {

LocalTime local_time_now() {
    const time_t now = ::time(nullptr);
    tm parts{};
    if (now == static_cast<time_t>(-1) || !::localtime_r(&now, &parts)) return {};
    return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday,
            parts.tm_hour,        parts.tm_min,     parts.tm_sec};
}

}  // namespace zav::platform
