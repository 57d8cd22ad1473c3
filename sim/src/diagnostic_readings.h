#pragma once
// What a unit's RAM utility measures in a diagnostic, derived from its
// profile: a healthy unit reads its calibration targets (within every limit
// a host judges it by), and a faulty sensor or mechanism reads well outside.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "raw_channel_control.h"
#include "zav/sim/profile.h"
#include "zav/sim/raw_channel.h"

namespace zav::sim {

// The packets of a diagnostic up to the green-paper step, in the order the
// unit sends them: the stacker (on units with one), the opto wheel, the
// straightener (on units with one), the paper-less readings.
std::vector<ResultPacket> tests_before_green_paper(const Profile& profile);

// The code the unit gives each result packet.
std::uint8_t result_code(ResultPacket packet);

// The data bytes of a result packet, with the faults applied:
//   stacker: stacker sensor at the end, lowest, highest; home sensor moved
//            (0/1); plate sensor lowest, highest
//   opto wheel: pulses forward, pulses reverse; opto sensor lowest, highest
//   straightener: straightener sensor at the end, lowest, highest
//   paper-less and green paper: one reading per sensor
std::vector<std::uint8_t> result_data(const Profile& profile, ResultPacket packet,
                                      const RawFaultSet& faults);

// The present reading of a sensor with an empty path: its target, wandering
// a few counts over a two-second cycle.
std::uint8_t live_reading(const Profile& profile, std::size_t sensor, std::int64_t now_ms);

}  // namespace zav::sim
