#include "validator_commands.h"

#include "command_codes.h"
#include "vlp_frame.h"

namespace zav::sim {
namespace {

// POLL events.
constexpr std::uint8_t kEventSlaveReset = 0xF1;
constexpr std::uint8_t kEventDisabled = 0xE8;

}  // namespace

ValidatorCommands::ValidatorCommands(const Profile& profile, SimulatorControl& control,
                                     LoaderSession& loader,
                                     const InitialisationOptions& initialisation)
    : profile_(profile),
      control_(control),
      loader_(loader),
      downloads_(profile, loader),
      initialisation_(profile, initialisation) {}

Bytes ValidatorCommands::execute(const std::uint8_t* data, std::size_t count) {
    if (std::optional<Bytes> reply = downloads_.execute(data, count)) return *reply;
    switch (data[0]) {
        case kSync:
            return {kReplyOk};
        case kPoll:
            return poll();
        case kGetSerialNumber:
            return serial_number_reply(profile_);
        case kExpansion:
            return expansion(data + 1, count - 1);
        default:
            return {kReplyUnknownCommand};
    }
}

// data starts at the selector byte.
Bytes ValidatorCommands::expansion(const std::uint8_t* data, std::size_t count) {
    if (count < 2 || data[0] != kExpansionSelector) return {kReplyUnknownCommand};
    const std::uint8_t request = data[1];
    const bool has_index = count >= 3;
    const std::size_t index = has_index ? data[2] : 0;
    switch (request) {
        case kGetSensorConfig:
            return sensor_config_reply(profile_);
        case kGetSensorInfo:
            if (!has_index || index >= profile_.sensors.size()) return {kReplyBadParameter};
            return sensor_info_reply(profile_, index);
        case kGetMotorConfig:
            return motor_config_reply(profile_);
        case kGetMotorInfo:
            if (!has_index || index >= profile_.motors.size()) return {kReplyBadParameter};
            return motor_info_reply(profile_, index);
        case kGetFullFirmware:
            // A completed download installs the image's firmware.
            return firmware_reply(loader_.firmware.empty() ? profile_.firmware
                                                           : loader_.firmware.c_str());
        case kGetDatasetCode:
            return dataset_reply(profile_);
        default:
            return initialisation_.answer(request, data + 2, count - 2)
                .value_or(Bytes{kReplyUnknownCommand});
    }
}

// The events since the last POLL: the power-up reset once, then whatever the
// owner queued; a unit with nothing to report says it is disabled, as no
// host here ever enables it for notes.
Bytes ValidatorCommands::poll() {
    Bytes reply = {kReplyOk};
    if (!reset_reported_) {
        reset_reported_ = true;
        reply.push_back(kEventSlaveReset);
    }
    const Bytes queued = control_.take_poll_events(vlp::kMaxDataLength - reply.size());
    reply.insert(reply.end(), queued.begin(), queued.end());
    if (initialisation_.take_end_event() && reply.size() < vlp::kMaxDataLength) {
        reply.push_back(kEventInitialisationDone);
    }
    if (reply.size() == 1) reply.push_back(kEventDisabled);
    return reply;
}

}  // namespace zav::sim
