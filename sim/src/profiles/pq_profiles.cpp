#include "profile_tables.h"

namespace zav::sim {
namespace {

// Columns after the name, in the order of the sensor information reply:
// code, type, pt paper target, ht path target, g1 g2 gains, c27
// configuration byte 27, det detect level, cd calibration divider, dt detect
// threshold, f1 f2 first gains, ha pa path and paper readings achieved at
// calibration, ct clear threshold, phs phase delay.

// PQ1: not a bill or note validator. Its configuration reply carries no unit
// type, so hosts identify it by its firmware text.
// clang-format off
constexpr SensorProfile kPq1Sensors[] = {
//   name                code  ty  pt  ht  g1  g2 c27 det  cd  dt  f1  f2  ha  pa  ct phs
    {"Hopper Level",     0x01, 'H', 87,160, 45, 44,  0,123,  4,  0, 43, 43,162, 84, -7, 81}, // 0
    {"Exit Left",        0x02, 'X', 50,186, 38, 44,  3,118,  4,  0, 33, 38,187, 49, -1, 81}, // 1
    {"Exit Right",       0x03, 'X', 51,185, 48, 52,  0,118,  4,  0, 47, 50,183, 54, -4, 50}, // 2
    {"Count Sensor",     0x04, 'C', 55,181, 50, 52,  2,118,  4,  0, 46, 51,181, 58, 10, 84}, // 3
    {"Lid Switch",       0x05, 'L',108,150, 55, 58,  0,129,  4,  0, 49, 58,150,110, -3, 96}, // 4
    {"Motor Encoder",    0x06, 'B', 99,122, 76, 81,  0,110,  8,  0, 72, 80,120, 96,-10,207}, // 5
};
// clang-format on

constexpr MotorProfile kPq1Motors[] = {
    {"Dispense Motor", 0x01, 0x00},
};

}  // namespace

const Profile kPq1Profile{"PQ1",      "", "PQ0001 V0107 PQ1", "PQS00107",
                          0x00510A07, 4,  kPq1Sensors,        kPq1Motors};

}  // namespace zav::sim
