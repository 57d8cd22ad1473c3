#include "profile_tables.h"

namespace zav::sim {
namespace {

// Columns after the name, in the order of the sensor information reply:
// code, type, pt paper target, ht path target, g1 g2 gains, c27
// configuration byte 27, det detect level, cd calibration divider, dt detect
// threshold, f1 f2 first gains, ha pa path and paper readings achieved at
// calibration, ct clear threshold, phs phase delay.

// TM3: stacker sensor 20 with its home (21) and plate (23) sensors, opto
// wheel 22, paper-rise sensor 18; UV sensors 14 and 15.
// clang-format off
constexpr SensorProfile kTm3Sensors[] = {
//   name                code  ty  pt  ht  g1  g2 c27 det  cd  dt  f1  f2  ha  pa  ct phs
    {"Entry Left",       0x01, 'E', 50,191, 40, 37,  2,120,  4,  0, 40, 35,194, 49,  2, 47}, // 0
    {"Entry Right",      0x02, 'E', 44,189, 39, 39,  2,116,  4,  0, 39, 36,189, 47,  8, 44}, // 1
    {"IR Trans Left",    0x03, 'T', 70,207, 61, 61,  0,138,  4, 10, 59, 61,204, 73, -1,134}, // 2
    {"IR Trans Right",   0x04, 'T', 60,203, 61, 65,  2,131,  4, 10, 60, 59,202, 63,  3,103}, // 3
    {"Red Trans Left",   0x05, 'T', 70,208, 65, 69,  1,139,  4, 10, 60, 69,205, 72,  3,211}, // 4
    {"Red Trans Right",  0x06, 'T', 66,200, 57, 60,  0,133,  4, 10, 53, 59,198, 66,  3,183}, // 5
    {"Green Trans Left", 0x07, 'T', 60,205, 56, 62,  2,132,  4,  8, 53, 57,203, 59,  5,238}, // 6
    {"Green Trans Right",0x08, 'T', 57,208, 53, 59,  1,132,  4,  8, 53, 58,209, 60,  5,236}, // 7
    {"Blue Trans Left",  0x09, 'T', 63,203, 58, 61,  3,133,  4,  8, 57, 57,201, 61, -8,140}, // 8
    {"Blue Trans Right", 0x0A, 'T', 64,206, 50, 51,  1,135,  4,  8, 48, 49,209, 65, -4,101}, // 9
    {"IR Refl Front",    0x0B, 'F',153, 41, 84, 86,  1, 97,  8,  0, 81, 84, 40,156, -9,427}, // 10
    {"IR Refl Rear",     0x0C, 'F',158, 34, 83, 81,  1, 96,  8,  0, 83, 79, 32,158,  2,465}, // 11
    {"Red Refl Front",   0x0D, 'F',153, 37, 79, 75,  1, 95,  8,  0, 79, 72, 39,156,  5,450}, // 12
    {"Red Refl Rear",    0x0E, 'F',140, 37, 64, 66,  3, 88,  8,  0, 61, 65, 40,137, -3,339}, // 13
    {"UV Front",         0x0F, 'U', 48, 26, 96,102,  3, 37,  2,  0, 96, 98, 29, 45,-10,488}, // 14
    {"UV Rear",          0x10, 'U', 49, 27, 92, 98,  2, 38,  2,  0, 91, 93, 26, 50, 10,507}, // 15
    {"Exit Left",        0x11, 'X', 51,183, 35, 35,  1,117,  4, 12, 32, 33,181, 54,  9, 40}, // 16
    {"Exit Right",       0x12, 'X', 58,182, 38, 41,  2,120,  4, 12, 36, 36,185, 56,  5, 73}, // 17
    {"Paper Rise",       0x13, 'P', 96,151, 47, 43,  3,123,  4, 20, 42, 38,150, 93,-10, 72}, // 18
    {"Bezel Detect",     0x14, 'B',102,125, 71, 71,  1,113,  8,-12, 66, 68,124,100,  5,202}, // 19
    {"Stacker",          0x15, 'Z', 64,171, 49, 55,  3,117,  4,-20, 48, 55,174, 63,  6, 84}, // 20
    {"Stacker Home",     0x16, '_',135,126, 24, 24,  0,130,  1,  0, 24, 24,124,134,  0,  0}, // 21
    {"Opto Wheel",       0x17, '_',135,123, 24, 24,  0,129,  1,  0, 24, 24,125,132,  0,  0}, // 22
    {"Stacker Plate",    0x18, '_',121,132, 24, 24,  0,126,  1,  0, 24, 24,134,118,  0,  0}, // 23
};
// clang-format on

constexpr MotorProfile kTm3Motors[] = {
    {"Transport Motor", 0x01, 0x00},
    {"Stacker Motor", 0x02, 0x01},
};

// TM4: no stacker; UV sensors 12 and 13.
// clang-format off
constexpr SensorProfile kTm4Sensors[] = {
//   name                code  ty  pt  ht  g1  g2 c27 det  cd  dt  f1  f2  ha  pa  ct phs
    {"Entry Left",       0x01, 'E', 48,186, 36, 37,  1,117,  4,  0, 36, 35,186, 45,  5, 57}, // 0
    {"Entry Right",      0x02, 'E', 54,194, 36, 35,  0,124,  4,  0, 36, 33,197, 51, -6, 65}, // 1
    {"IR Trans Left",    0x03, 'T', 62,197, 48, 48,  2,129,  4, 10, 43, 47,194, 63,  6,135}, // 2
    {"IR Trans Right",   0x04, 'T', 68,208, 58, 61,  1,138,  4, 10, 56, 56,209, 70, -6,107}, // 3
    {"Red Trans Left",   0x05, 'T', 66,212, 61, 65,  1,139,  4, 10, 57, 59,213, 67,-10,245}, // 4
    {"Red Trans Right",  0x06, 'T', 57,203, 48, 44,  1,130,  4, 10, 43, 42,200, 57,  4,238}, // 5
    {"Green Trans Left", 0x07, 'T', 66,197, 48, 54,  1,131,  4,  8, 45, 52,194, 66, -8,224}, // 6
    {"Green Trans Right",0x08, 'T', 66,198, 64, 61,  3,132,  4,  8, 62, 55,195, 69, -2,156}, // 7
    {"IR Refl Front",    0x09, 'F',164, 41, 73, 72,  3,102,  8,  0, 70, 66, 41,161,  5,475}, // 8
    {"IR Refl Rear",     0x0A, 'F',164, 34, 62, 67,  1, 99,  8,  0, 62, 63, 32,163, -2,466}, // 9
    {"Red Refl Front",   0x0B, 'F',162, 41, 79, 84,  1,101,  8,  0, 79, 81, 38,162, -2,472}, // 10
    {"Red Refl Rear",    0x0C, 'F',162, 31, 73, 79,  3, 96,  8,  0, 71, 74, 32,161,  4,419}, // 11
    {"UV Front",         0x0D, 'U', 52, 31, 97,101,  1, 41,  2,  0, 95,101, 31, 49, -1,509}, // 12
    {"UV Rear",          0x0E, 'U', 48, 25,118,118,  3, 36,  2,  0,117,117, 22, 49, -8,489}, // 13
    {"Exit Left",        0x0F, 'X', 54,190, 39, 37,  2,122,  4, 12, 39, 32,189, 52,  5, 71}, // 14
    {"Exit Right",       0x10, 'X', 50,188, 36, 32,  3,119,  4, 12, 31, 29,188, 49, -6, 66}, // 15
};
// clang-format on

constexpr MotorProfile kTm4Motors[] = {
    {"Transport Motor", 0x01, 0x00},
};

// TM5: as the TM3, with two magnetic sensors behind.
// clang-format off
constexpr SensorProfile kTm5Sensors[] = {
//   name                code  ty  pt  ht  g1  g2 c27 det  cd  dt  f1  f2  ha  pa  ct phs
    {"Entry Left",       0x01, 'E', 51,192, 40, 37,  0,121,  4,  0, 39, 35,190, 49, 10, 73}, // 0
    {"Entry Right",      0x02, 'E', 44,193, 39, 45,  3,118,  4,  0, 33, 43,192, 44, -5, 46}, // 1
    {"IR Trans Left",    0x03, 'T', 57,196, 56, 53,  2,126,  4, 10, 53, 53,197, 60, -4,193}, // 2
    {"IR Trans Right",   0x04, 'T', 68,207, 57, 59,  0,137,  4, 10, 57, 54,207, 66,  1,234}, // 3
    {"Red Trans Left",   0x05, 'T', 59,210, 58, 59,  3,134,  4, 10, 58, 54,210, 57, 10,199}, // 4
    {"Red Trans Right",  0x06, 'T', 62,197, 49, 52,  0,129,  4, 10, 43, 52,196, 60, -8,251}, // 5
    {"Green Trans Left", 0x07, 'T', 61,206, 56, 57,  0,133,  4,  8, 54, 52,208, 63,  0,166}, // 6
    {"Green Trans Right",0x08, 'T', 56,205, 71, 76,  0,130,  4,  8, 71, 70,203, 53,  5,215}, // 7
    {"Blue Trans Left",  0x09, 'T', 68,208, 56, 58,  3,138,  4,  8, 55, 55,206, 65, -1,134}, // 8
    {"Blue Trans Right", 0x0A, 'T', 61,203, 58, 61,  2,132,  4,  8, 52, 55,204, 58,  6,146}, // 9
    {"IR Refl Front",    0x0B, 'F',164, 36, 70, 69,  3,100,  8,  0, 70, 64, 33,164,  7,439}, // 10
    {"IR Refl Rear",     0x0C, 'F',145, 35, 87, 84,  0, 90,  8,  0, 85, 80, 32,143, -7,407}, // 11
    {"Red Refl Front",   0x0D, 'F',162, 37, 88, 86,  1, 99,  8,  0, 87, 83, 37,163, -3,437}, // 12
    {"Red Refl Rear",    0x0E, 'F',161, 42, 67, 67,  2,101,  8,  0, 65, 63, 41,160, -2,366}, // 13
    {"UV Front",         0x0F, 'U', 47, 27,105,103,  1, 37,  2,  0,104,102, 26, 48, -4,500}, // 14
    {"UV Rear",          0x10, 'U', 46, 25,106,105,  1, 35,  2,  0,101, 99, 22, 48,  4,482}, // 15
    {"Exit Left",        0x11, 'X', 50,183, 41, 40,  3,116,  4, 12, 39, 40,182, 48, -7, 43}, // 16
    {"Exit Right",       0x12, 'X', 59,185, 47, 52,  1,122,  4, 12, 47, 50,186, 62, -5, 68}, // 17
    {"Paper Rise",       0x13, 'P', 88,152, 43, 49,  2,120,  4, 20, 42, 49,151, 87, -6, 62}, // 18
    {"Bezel Detect",     0x14, 'B',100,121, 70, 75,  1,110,  8,-12, 64, 75,124, 99,  3,243}, // 19
    {"Stacker",          0x15, 'Z', 60,171, 53, 53,  0,115,  4,-20, 52, 53,174, 60,  7,110}, // 20
    {"Stacker Home",     0x16, '_',133,122, 24, 24,  0,127,  1,  0, 24, 24,119,135,  0,  0}, // 21
    {"Opto Wheel",       0x17, '_',128,132, 24, 24,  0,130,  1,  0, 24, 24,131,130,  0,  0}, // 22
    {"Stacker Plate",    0x18, '_',133,133, 24, 24,  0,133,  1,  0, 24, 24,133,131,  0,  0}, // 23
    {"Magnetic Left",    0x19, 'M',138,130,177,174,  0,134,  2,  0,174,170,129,138, -5,  8}, // 24
    {"Magnetic Right",   0x1A, 'M',136,124,159,165,  3,130,  2,  0,159,161,125,135,  6, 10}, // 25
};
// clang-format on

constexpr MotorProfile kTm5Motors[] = {
    {"Transport Motor", 0x01, 0x00},
    {"Stacker Motor", 0x02, 0x01},
};

// TM6: straightener sensor 19, paper-rise sensor 21, stacker sensor 22 and
// its plate sensor 23.
// clang-format off
constexpr SensorProfile kTm6Sensors[] = {
//   name                code  ty  pt  ht  g1  g2 c27 det  cd  dt  f1  f2  ha  pa  ct phs
    {"Entry Left",       0x01, 'E', 49,188, 39, 37,  1,118,  4,  0, 39, 37,188, 49, -4, 59}, // 0
    {"Entry Centre",     0x02, 'E', 44,188, 45, 46,  0,116,  4,  0, 41, 41,188, 41,  9, 50}, // 1
    {"Entry Right",      0x03, 'E', 53,189, 42, 47,  1,121,  4,  0, 36, 44,187, 54, -4, 42}, // 2
    {"IR Trans Left",    0x04, 'T', 64,208,127,124,  2,136,  4,  0,120,118,206, 66, -4,106}, // 3
    {"IR Trans Right",   0x05, 'T', 66,197, 58, 55,  3,131,  4,  0, 54, 52,198, 69, 10,174}, // 4
    {"Red Trans Left",   0x06, 'T', 60,209, 66, 65,  3,134,  4,  0, 63, 60,208, 60,  6,208}, // 5
    {"Red Trans Right",  0x07, 'T', 56,201, 48, 53,  3,128,  4,  0, 45, 52,201, 59,  9,213}, // 6
    {"Green Trans Left", 0x08, 'T', 68,201, 63, 65,  0,134,  4,  0, 63, 64,200, 68,  1,119}, // 7
    {"Green Trans Right",0x09, 'T', 64,210, 64, 70,  0,137,  4,  0, 64, 65,208, 61,  0,226}, // 8
    {"Blue Trans Left",  0x0A, 'T', 56,198, 72, 76,  3,127,  4,  0, 67, 70,196, 53, -8,253}, // 9
    {"Blue Trans Right", 0x0B, 'T', 59,199, 52, 55,  2,129,  4,  0, 46, 49,197, 61, -3,112}, // 10
    {"IR Refl Front",    0x0C, 'F',159, 35, 76, 74,  2, 97,  8,  0, 72, 72, 38,159, -6,365}, // 11
    {"IR Refl Rear",     0x0D, 'F',155, 38, 73, 78,  2, 96,  8,  0, 69, 74, 36,154,  1,309}, // 12
    {"Red Refl Front",   0x0E, 'F',145, 33, 85, 83,  2, 89,  8,  0, 80, 81, 33,143, -2,329}, // 13
    {"Red Refl Rear",    0x0F, 'F',156, 42, 63, 69,  2, 99,  8,  0, 57, 66, 43,157,  8,476}, // 14
    {"UV Front",         0x10, 'U', 44, 25,115,116,  2, 34,  2,  0,112,114, 26, 42,  1,512}, // 15
    {"UV Rear",          0x11, 'U', 47, 25,104,102,  0, 36,  2,  0,102, 96, 26, 46, -1,500}, // 16
    {"Exit Left",        0x12, 'X', 50,182, 37, 35,  2,116,  4,-10, 33, 30,182, 50,  6, 63}, // 17
    {"Exit Right",       0x13, 'X', 52,182, 41, 40,  0,117,  4,-10, 41, 40,179, 53,  1, 59}, // 18
    {"Straightener",     0x14, 'R', 74,158, 55, 59,  1,116,  4, 10, 52, 55,157, 75, -6,133}, // 19
    {"Bezel Detect",     0x15, 'B',103,123, 72, 70,  0,113,  8,  0, 66, 69,125,101,  4,206}, // 20
    {"Paper Rise",       0x16, 'P', 90,149, 48, 50,  2,119,  4,-14, 48, 50,151, 93,  7,117}, // 21
    {"Stacker",          0x17, 'Z', 65,171, 53, 57,  3,118,  4, 20, 52, 56,168, 62, -9,114}, // 22
    {"Stacker Plate",    0x18, 'S', 62,172, 44, 43,  1,117,  4,  0, 44, 37,169, 59,  9,115}, // 23
    {"Magnetic Left",    0x19, 'M',138,127,176,175,  3,132,  2,  0,170,171,125,139, -1,  4}, // 24
    {"Magnetic Right",   0x1A, 'M',146,128,153,156,  0,137,  2,  0,150,150,128,148,  4,  5}, // 25
};
// clang-format on

constexpr MotorProfile kTm6Motors[] = {
    {"Transport Motor", 0x01, 0x00},
    {"Stacker Motor", 0x02, 0x01},
    {"Straightener Motor", 0x03, 0x01},
};

}  // namespace

const Profile kTm3Profile{"TM3",      "TM3", "TM0003 V0122 TM3", "EUR03114",
                          0x0A3300F1, 18,    kTm3Sensors,        kTm3Motors};
const Profile kTm4Profile{"TM4",      "TM4", "TM0004 V0207 TM4", "USD00409",
                          0x0B4410C2, 14,    kTm4Sensors,        kTm4Motors};
const Profile kTm5Profile{"TM5",      "TM5", "TM0005 V0301 TM5", "EUR05202",
                          0x0C5522D3, 20,    kTm5Sensors,        kTm5Motors};
// A TM5 unit running TM3 firmware: the host must treat it as a TM3.
const Profile kTm5Tm3Profile{"TM5-TM3",  "TM5", "TM0005 V0301 TM3", "EUR05202",
                             0x0C5522D4, 20,    kTm5Sensors,        kTm5Motors};
// The serial number's high bit is set (the host must keep it unsigned) and
// one of its bytes is 0x7F (stuffed on the wire).
const Profile kTm6Profile{"TM6",      "TM6", "TM0006 V0118 TM6", "EUR06110",
                          0xC4117F20, 20,    kTm6Sensors,        kTm6Motors};

}  // namespace zav::sim
