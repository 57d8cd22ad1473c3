#pragma once
// The reply data (generic code first) of the identification requests, built
// from a profile in the layouts hosts decode field by field.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "zav/sim/profile.h"

namespace zav::sim {

using Bytes = std::vector<std::uint8_t>;

// d[1]..d[4]: the serial number, most significant byte first.
Bytes serial_number_reply(const Profile& profile);
// d[1], d[2]: the two sensor counts; d[18]..d[27]: the unit type, padded
// with zero bytes.
Bytes sensor_config_reply(const Profile& profile);
// d[1]..d[20]: the name padded with blanks; d[21]..d[35]: the sensor's
// bytes; d[39], d[40]: the phase delay, low byte first. index must be below
// the profile's sensor count.
Bytes sensor_info_reply(const Profile& profile, std::size_t index);
// d[1]: the motor count.
Bytes motor_config_reply(const Profile& profile);
// d[1]..d[20]: the name padded with blanks; d[21], d[22]: the motor's bytes.
// index must be below the profile's motor count.
Bytes motor_info_reply(const Profile& profile, std::size_t index);
// d[1]..d[16]: the firmware text, cut or padded with blanks to 16.
Bytes firmware_reply(const char* firmware);
// d[1]..d[8]: the dataset text.
Bytes dataset_reply(const Profile& profile);

// Writes `text` into the text field at d[1] of a reply to the request `key`
// (firmware, dataset, sensor or motor information), padded with zero bytes
// to the field's width, as firmware with short texts sends them; the rest of
// the reply stays. Other replies are left as they are.
void write_zero_padded_text(Bytes& reply, int key, const std::string& text);

}  // namespace zav::sim
