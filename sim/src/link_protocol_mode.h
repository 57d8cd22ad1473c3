#pragma once
// The validator's side of the VLP link: assembles command frames, drops
// those with a bad CRC, answers each valid one with the command's own
// address and sequence bit, and applies the faults the owner switched on.
#include <cstdint>

#include "device_mode.h"
#include "simulator_control.h"
#include "validator_commands.h"
#include "vlp_frame.h"

namespace zav::sim {

class LinkProtocolMode : public DeviceMode {
  public:
    LinkProtocolMode(const Profile& profile, SimulatorControl& control, LoaderSession& loader,
                     const InitialisationOptions& initialisation);

    void receive(const std::uint8_t* bytes, std::size_t count, DeviceOutput& out) override;

  private:
    void answer_frame(DeviceOutput& out);
    bool repeats_last_command() const;

    SimulatorControl& control_;
    ValidatorCommands commands_;
    vlp::FrameReceiver receiver_;
    // The last command executed and its reply: a host that missed a reply
    // sends the same frame again (same sequence bit), and gets the same
    // reply without the command running twice, so POLL events are not lost.
    Bytes last_command_frame_;
    Bytes last_reply_;
};

}  // namespace zav::sim
