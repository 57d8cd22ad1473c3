#pragma once
// A ccTalk peer on a shared line: every byte the host sends comes straight
// back as the line's echo, and each frame with a right checksum is answered
// with an acknowledge, a NAK (header 5), a busy reply (header 6) or data,
// after the faults the owner switched on (keyed by the frame's header).
#include <cstdint>
#include <vector>

#include "device_mode.h"
#include "simulator_control.h"
#include "zav/sim/profile.h"

namespace zav::sim {

class CcTalkPeerMode final : public DeviceMode {
  public:
    CcTalkPeerMode(const Profile& profile, SimulatorControl& control);

    void receive(const std::uint8_t* bytes, std::size_t count, DeviceOutput& out) override;

  private:
    void answer(DeviceOutput& out);

    const Profile& profile_;
    SimulatorControl& control_;
    std::vector<std::uint8_t> frame_;  // the frame being received
    std::int64_t last_byte_ms_ = 0;
};

}  // namespace zav::sim
