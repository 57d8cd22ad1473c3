#pragma once
// The wall-clock date and time in the user's time zone.

namespace zav::platform {

struct LocalTime {
    int year;    // e.g. 2026
    int month;   // 1..12
    int day;     // 1..31
    int hour;    // 0..23
    int minute;  // 0..59
    int second;  // 0..60
};

// The current local date and time (all fields 0 if the clock cannot be read).
LocalTime local_time_now();

}  // namespace zav::platform
