#include "profile_tables.h"

namespace zav::sim {
namespace {

// Columns after the name, in the order of the sensor information reply:
// code, type, pt paper target, ht path target, g1 g2 gains, c27
// configuration byte 27, det detect level, cd calibration divider, dt detect
// threshold, f1 f2 first gains, ha pa path and paper readings achieved at
// calibration, ct clear threshold, phs phase delay.

// RX3: no stacker. The green paper does not judge the UV sensors 8 and 9;
// sensor 16 answers the ping 0xB3.
// clang-format off
constexpr SensorProfile kRx3Sensors[] = {
//   name                code  ty  pt  ht  g1  g2 c27 det  cd  dt  f1  f2  ha  pa  ct phs
    {"Entry Left",       0x01, 'E', 46,191, 42, 48,  0,118,  4,  0, 42, 42,192, 43,  1, 77}, // 0
    {"Entry Right",      0x02, 'E', 52,186, 36, 32,  0,119,  4,  0, 33, 29,183, 50, -8, 75}, // 1
    {"IR Trans Left",    0x03, 'T', 56,209, 66, 63,  1,132,  4, 12, 61, 58,210, 53,  8,245}, // 2
    {"IR Trans Right",   0x04, 'T', 56,208, 55, 51,  1,132,  4, 12, 53, 48,206, 57, -7,242}, // 3
    {"Red Trans Left",   0x05, 'T', 64,205, 69, 67,  0,134,  4, 12, 65, 63,207, 62,  1,120}, // 4
    {"Red Trans Right",  0x06, 'T', 65,198, 49, 54,  1,131,  4, 12, 46, 49,199, 65,  0,215}, // 5
    {"Green Trans Left", 0x07, 'T', 61,210, 57, 56,  1,135,  4, 10, 52, 50,208, 58,  8,172}, // 6
    {"Green Trans Right",0x08, 'T', 63,212, 58, 61,  2,137,  4, 10, 54, 61,209, 64,  3,138}, // 7
    {"UV Front",         0x09, 'U', 42, 29,121,123,  0, 35,  2,  0,116,123, 32, 43,  8,500}, // 8
    {"UV Rear",          0x0A, 'U', 51, 29,112,117,  3, 40,  2,  0,108,111, 29, 48, -8,497}, // 9
    {"IR Refl Front",    0x0B, 'F',162, 37, 64, 60,  2, 99,  8,  0, 59, 56, 39,165,  4,372}, // 10
    {"IR Refl Rear",     0x0C, 'F',152, 41, 82, 78,  3, 96,  8,  0, 80, 77, 42,149,  5,315}, // 11
    {"Red Refl Front",   0x0D, 'F',164, 33, 78, 76,  1, 98,  8,  0, 75, 73, 36,164, -8,342}, // 12
    {"Red Refl Rear",    0x0E, 'F',152, 37, 77, 75,  3, 94,  8,  0, 71, 71, 36,154,  3,391}, // 13
    {"Exit Path",        0x0F, 'X', 56,192, 37, 35,  0,124,  4, 14, 36, 34,190, 58, -3, 40}, // 14
    {"Cash Box Entry",   0x10, 'C', 61,183, 38, 38,  2,122,  4, 14, 38, 37,183, 62,  1, 79}, // 15
    {"Cash Box Flap",    0x11, 'L',105,149, 44, 48,  0,127,  4,  0, 41, 42,152,108,  7, 85}, // 16
};
// clang-format on

constexpr MotorProfile kRx3Motors[] = {
    {"Transport Motor", 0x01, 0x00},
};

// RX5: stacker sensor 16, paper-rise sensor 15; UV sensors 8 and 9.
// clang-format off
constexpr SensorProfile kRx5Sensors[] = {
//   name                code  ty  pt  ht  g1  g2 c27 det  cd  dt  f1  f2  ha  pa  ct phs
    {"Entry Left",       0x01, 'E', 50,192, 42, 39,  3,121,  4,  0, 37, 36,189, 48, -8, 53}, // 0
    {"Entry Right",      0x02, 'E', 46,193, 33, 34,  0,119,  4,  0, 33, 34,194, 44,  7, 46}, // 1
    {"IR Trans Left",    0x03, 'T', 65,207, 48, 45,  1,136,  4,  0, 44, 42,205, 67, -2,184}, // 2
    {"IR Trans Right",   0x04, 'T', 63,207, 51, 48,  3,135,  4,  0, 48, 45,207, 62, -8,132}, // 3
    {"Red Trans Left",   0x05, 'T', 67,199, 58, 58,  3,133,  4,  0, 52, 53,197, 68,-10,148}, // 4
    {"Red Trans Right",  0x06, 'T', 61,212, 52, 56,  0,136,  4,  0, 46, 52,211, 63, -8,162}, // 5
    {"Green Trans Left", 0x07, 'T', 61,212, 53, 54,  1,136,  4,  0, 49, 50,215, 62,  0,153}, // 6
    {"Green Trans Right",0x08, 'T', 68,202, 55, 57,  1,135,  4,  0, 54, 53,202, 67,-10,103}, // 7
    {"UV Front",         0x09, 'U', 47, 28,106,105,  2, 37,  2,  0,103, 99, 30, 46,  1,485}, // 8
    {"UV Rear",          0x0A, 'U', 41, 27,104,107,  1, 34,  2,  0,102,106, 27, 42,  9,480}, // 9
    {"IR Refl Front",    0x0B, 'F',160, 37, 82, 88,  0, 98,  8,  0, 76, 83, 34,160, -4,422}, // 10
    {"IR Refl Rear",     0x0C, 'F',153, 32, 81, 78,  3, 92,  8,  0, 78, 75, 34,150, -5,343}, // 11
    {"Red Refl Front",   0x0D, 'F',140, 32, 69, 74,  3, 86,  8,  0, 63, 69, 30,141,  9,421}, // 12
    {"Red Refl Rear",    0x0E, 'F',151, 40, 69, 73,  1, 95,  8,  0, 69, 73, 43,153, 10,326}, // 13
    {"Exit Path",        0x0F, 'X', 52,190, 40, 39,  1,121,  4,  0, 40, 37,188, 51,  6, 55}, // 14
    {"Paper Rise",       0x10, 'P', 92,153, 53, 51,  0,122,  4, 18, 48, 49,153, 94,  8,112}, // 15
    {"Stacker",          0x11, '(', 64,174, 57, 61,  1,119,  4,-20, 53, 60,175, 65,-10,135}, // 16
    {"Cash Box Entry",   0x12, 'C', 54,183, 45, 41,  1,118,  4,  0, 44, 40,183, 55, -7, 75}, // 17
};
// clang-format on

constexpr MotorProfile kRx5Motors[] = {
    {"Transport Motor", 0x01, 0x00},
    {"Stacker Motor", 0x02, 0x01},
};

// RX8: stacker sensor 19, paper-rise sensor 17; UV sensors 14 and 15.
// clang-format off
constexpr SensorProfile kRx8Sensors[] = {
//   name                code  ty  pt  ht  g1  g2 c27 det  cd  dt  f1  f2  ha  pa  ct phs
    {"Entry Left",       0x01, 'E', 49,186, 46, 50,  3,117,  4,  0, 40, 44,183, 50, -9, 55}, // 0
    {"Entry Centre",     0x02, 'E', 48,189, 31, 28,  3,118,  4,  0, 27, 28,192, 45,  4, 60}, // 1
    {"Entry Right",      0x03, 'E', 53,194, 46, 45,  2,123,  4,  0, 43, 41,195, 56,  5, 72}, // 2
    {"IR Trans Left",    0x04, 'T', 67,203, 64, 64,  1,135,  4,  0, 58, 61,201, 67, -7,196}, // 3
    {"IR Trans Right",   0x05, 'T', 61,210, 50, 56,  1,135,  4,  0, 47, 56,208, 63, -1,127}, // 4
    {"Red Trans Left",   0x06, 'T', 67,200, 68, 74,  2,133,  4,  0, 67, 72,198, 67, -3,120}, // 5
    {"Red Trans Right",  0x07, 'T', 70,208, 63, 61,  1,139,  4,  0, 62, 56,208, 71,  2,182}, // 6
    {"Green Trans Left", 0x08, 'T', 59,209, 59, 60,  0,134,  4,  0, 54, 58,206, 58,  7,213}, // 7
    {"Green Trans Right",0x09, 'T', 67,210, 48, 50,  2,138,  4,  0, 44, 46,209, 68, -8,124}, // 8
    {"IR Trans Centre",  0x0A, 'T', 70,203, 51, 48,  2,136,  4,  0, 49, 48,206, 68, -2,129}, // 9
    {"IR Refl Front",    0x0B, 'F',161, 36, 76, 78,  1, 98,  8,  0, 72, 74, 37,161,  0,322}, // 10
    {"IR Refl Rear",     0x0C, 'F',141, 34, 71, 73,  0, 87,  8,  0, 69, 73, 36,138, -2,321}, // 11
    {"Red Refl Front",   0x0D, 'F',147, 39, 64, 64,  0, 93,  8,  0, 61, 64, 38,148,  3,368}, // 12
    {"Red Refl Rear",    0x0E, 'F',144, 39, 62, 66,  1, 91,  8,  0, 62, 65, 38,141, -5,351}, // 13
    {"UV Front",         0x0F, 'U', 50, 28,109,113,  1, 39,  2,  0,107,110, 29, 52, -5,497}, // 14
    {"UV Rear",          0x10, 'U', 52, 29, 91, 91,  0, 40,  2,  0, 91, 91, 31, 53,  7,492}, // 15
    {"Exit Path",        0x11, 'X', 57,190, 37, 40,  0,123,  4,  0, 32, 34,192, 57,  5, 74}, // 16
    {"Paper Rise",       0x12, 'P', 96,154, 49, 48,  1,125,  4, 22, 47, 47,157, 98, 10, 68}, // 17
    {"Cash Box Entry",   0x13, 'C', 57,182, 36, 34,  0,119,  4,  0, 36, 29,184, 56,  3, 50}, // 18
    {"Stacker",          0x14, 'Z', 59,166, 54, 56,  2,112,  4,-24, 50, 55,168, 58, -9,109}, // 19
    {"Stacker Exit",     0x15, 'S', 58,174, 46, 49,  0,116,  4,  0, 44, 47,173, 59,  0, 95}, // 20
};
// clang-format on

constexpr MotorProfile kRx8Motors[] = {
    {"Transport Motor", 0x01, 0x00},
    {"Stacker Motor", 0x02, 0x01},
};

}  // namespace

const Profile kRx3Profile{"RX3",      "RX3", "RX0003 V0215 RX3", "EUR00312",
                          0x0031A2B4, 15,    kRx3Sensors,        kRx3Motors};
const Profile kRx5Profile{"RX5",      "RX5", "RX0005 V0311 RX5", "EUR01507",
                          0x0052C013, 16,    kRx5Sensors,        kRx5Motors};
const Profile kRx8Profile{"RX8",      "RX8", "RX0008 V0402 RX8", "GBP00804",
                          0x00808E61, 17,    kRx8Sensors,        kRx8Motors};

}  // namespace zav::sim
