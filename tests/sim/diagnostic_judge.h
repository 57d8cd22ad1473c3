#pragma once
// Judges the result packets of a simulated diagnostic as the program does:
// the unit's record filled from its profile, the model's limits, and the
// test rules applied step by step in the program's order.
#include <cstdint>
#include <vector>

#include "zav/app/validator_data.h"
#include "zav/sim/profile.h"

namespace zav::sim::test {

struct UtilityPacket {
    std::uint8_t code = 0;
    std::vector<std::uint8_t> data;
};

// The record the program's identification would fill for this unit.
app::ValidatorData unit_record(const Profile& profile);

// The packets in the order they arrived, taken by the program's steps:
// stacker (not on RX3 and TM4), opto wheel (code 0xB9), straightener (TM6,
// code 0xD3), paper-less readings, green-paper readings. Returns the rows
// of the result table that do not pass; empty when the unit passed.
std::vector<int> failing_rows(const Profile& profile, const std::vector<UtilityPacket>& packets);

}  // namespace zav::sim::test
