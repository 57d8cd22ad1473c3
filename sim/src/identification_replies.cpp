#include "identification_replies.h"

#include <algorithm>
#include <cstring>

#include "command_codes.h"

namespace zav::sim {
namespace {

constexpr std::size_t kNameWidth = 20;
constexpr std::size_t kFirmwareWidth = 16;
constexpr std::size_t kDatasetWidth = 8;
constexpr std::size_t kUnitTypeOffset = 18;
constexpr std::size_t kUnitTypeWidth = 10;
constexpr std::size_t kPhaseDelayOffset = 39;

// Appends text as a fixed-width field: cut to width, padded with pad.
void append_field(Bytes& out, const char* text, std::size_t width, std::uint8_t pad) {
    const std::size_t length = std::min(std::strlen(text), width);
    out.insert(out.end(), text, text + length);
    out.insert(out.end(), width - length, pad);
}

}  // namespace

Bytes serial_number_reply(const Profile& profile) {
    const std::uint32_t n = profile.serial_number;
    return {kReplyOk, static_cast<std::uint8_t>(n >> 24), static_cast<std::uint8_t>(n >> 16),
            static_cast<std::uint8_t>(n >> 8), static_cast<std::uint8_t>(n)};
}

Bytes sensor_config_reply(const Profile& profile) {
    const auto total = static_cast<std::uint8_t>(profile.sensors.size());
    Bytes reply = {kReplyOk, profile.optical_sensor_count,
                   static_cast<std::uint8_t>(total - profile.optical_sensor_count)};
    reply.resize(kUnitTypeOffset, 0);  // d[3]..d[17] are reserved
    append_field(reply, profile.unit_type, kUnitTypeWidth, 0);
    return reply;
}

Bytes sensor_info_reply(const Profile& profile, std::size_t index) {
    const SensorProfile& s = profile.sensors[index];
    Bytes reply = {kReplyOk};
    append_field(reply, s.name, kNameWidth, ' ');
    const std::uint8_t fields[] = {s.code,
                                   static_cast<std::uint8_t>(s.type),
                                   s.paper_target,
                                   s.path_target,
                                   s.gain1,
                                   s.gain2,
                                   s.config_byte27,
                                   s.detect,
                                   s.cal_divide,
                                   static_cast<std::uint8_t>(s.detect_threshold),
                                   s.first_gain1,
                                   s.first_gain2,
                                   s.path_achieved,
                                   s.paper_achieved,
                                   static_cast<std::uint8_t>(s.clear_threshold)};
    reply.insert(reply.end(), std::begin(fields), std::end(fields));
    reply.resize(kPhaseDelayOffset, 0);  // d[36]..d[38] are reserved
    reply.push_back(static_cast<std::uint8_t>(s.phase_delay & 0xFF));
    reply.push_back(static_cast<std::uint8_t>(s.phase_delay >> 8));
    return reply;
}

Bytes motor_config_reply(const Profile& profile) {
    return {kReplyOk, static_cast<std::uint8_t>(profile.motors.size())};
}

Bytes motor_info_reply(const Profile& profile, std::size_t index) {
    const MotorProfile& m = profile.motors[index];
    Bytes reply = {kReplyOk};
    append_field(reply, m.name, kNameWidth, ' ');
    reply.push_back(m.byte_a);
    reply.push_back(m.byte_b);
    return reply;
}

Bytes firmware_reply(const char* firmware) {
    Bytes reply = {kReplyOk};
    append_field(reply, firmware, kFirmwareWidth, ' ');
    return reply;
}

void write_zero_padded_text(Bytes& reply, int key, const std::string& text) {
    std::size_t width = 0;
    if (key == expansion(kGetFullFirmware)) width = kFirmwareWidth;
    if (key == expansion(kGetDatasetCode)) width = kDatasetWidth;
    if (key == expansion(kGetSensorInfo) || key == expansion(kGetMotorInfo)) width = kNameWidth;
    if (width == 0 || reply.size() < 1 + width) return;
    const std::size_t length = std::min(text.size(), width);
    std::copy_n(text.begin(), length, reply.begin() + 1);
    std::fill_n(reply.begin() + 1 + static_cast<long>(length), width - length, 0);
}

Bytes dataset_reply(const Profile& profile) {
    Bytes reply = {kReplyOk};
    append_field(reply, profile.dataset, kDatasetWidth, ' ');
    return reply;
}

}  // namespace zav::sim
