#include "cctalk_peer_mode.h"

#include <cstring>
#include <vector>

#include "zav/platform/clock.h"

namespace zav::sim {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Frame: destination, data length n, source, header, n data bytes, then a
// checksum that makes all n + 5 bytes add up to 0 modulo 256.
constexpr std::size_t kFrameOverhead = 5;
constexpr std::size_t kLengthIndex = 1;
constexpr std::size_t kSourceIndex = 2;
constexpr std::size_t kHeaderIndex = 3;
// A pause longer than this between two bytes starts a new frame.
constexpr std::int64_t kByteGapMs = 100;

constexpr std::uint8_t kHeaderAck = 0;
constexpr std::uint8_t kHeaderNak = 5;

// Requests the peer knows.
constexpr std::uint8_t kResetDevice = 1;
constexpr std::uint8_t kSoftwareRevision = 241;
constexpr std::uint8_t kSerialNumber = 242;
constexpr std::uint8_t kProductCode = 244;
constexpr std::uint8_t kEquipmentCategory = 245;
constexpr std::uint8_t kManufacturer = 246;
constexpr std::uint8_t kSimplePoll = 254;

const Bytes kJunk = {0x55, 0xAA, 0x13};

std::uint8_t checksum(const Bytes& bytes) {
    unsigned sum = 0;
    for (std::uint8_t b : bytes) sum += b;
    return static_cast<std::uint8_t>(256 - sum % 256);
}

Bytes text_data(const char* text) {
    return Bytes(text, text + std::strlen(text));
}

struct Reply {
    std::uint8_t header;
    Bytes data;
};

Reply reply_to(const Profile& profile, std::uint8_t header) {
    switch (header) {
        case kSimplePoll:
        case kResetDevice:
            return {kHeaderAck, {}};
        case kEquipmentCategory:
            return {kHeaderAck, text_data("Bill Validator")};
        case kManufacturer:
            return {kHeaderAck, text_data("ZAV")};
        case kProductCode:
            return {kHeaderAck, text_data(profile.name)};
        case kSoftwareRevision:
            return {kHeaderAck, text_data(profile.firmware)};
        case kSerialNumber: {
            const std::uint32_t n = profile.serial_number;  // least significant byte first
            return {kHeaderAck,
                    {static_cast<std::uint8_t>(n), static_cast<std::uint8_t>(n >> 8),
                     static_cast<std::uint8_t>(n >> 16)}};
        }
        default:
            return {kHeaderNak, {}};
    }
}

}  // namespace

CcTalkPeerMode::CcTalkPeerMode(const Profile& profile, SimulatorControl& control)
    : profile_(profile), control_(control) {}

void CcTalkPeerMode::receive(const std::uint8_t* bytes, std::size_t count, DeviceOutput& out) {
    out.send({Bytes(bytes, bytes + count), 0, 0});
    const std::int64_t now = platform::monotonic_ms();
    if (now - last_byte_ms_ > kByteGapMs) frame_.clear();
    last_byte_ms_ = now;
    for (std::size_t i = 0; i < count; ++i) {
        frame_.push_back(bytes[i]);
        if (frame_.size() <= kLengthIndex || frame_.size() < frame_[kLengthIndex] + kFrameOverhead)
            continue;
        if (checksum(frame_) == 0) answer(out);
        frame_.clear();
    }
}

void CcTalkPeerMode::answer(DeviceOutput& out) {
    const std::uint8_t header = frame_[kHeaderIndex];
    const Fault fault = control_.take_fault(header);
    if (fault.kind == Fault::Kind::NoReply) return;

    Reply reply = reply_to(profile_, header);
    if (fault.kind == Fault::Kind::GenericCode) reply = {fault.code, {}};
    Bytes frame = {frame_[kSourceIndex], static_cast<std::uint8_t>(reply.data.size()), frame_[0],
                   reply.header};
    frame.insert(frame.end(), reply.data.begin(), reply.data.end());
    const std::uint8_t check = checksum(frame);
    frame.push_back(check);
    if (fault.kind == Fault::Kind::BadCrc) frame.back() ^= 0xFF;

    Transmission transmission;
    if (fault.kind == Fault::Kind::JunkBefore)
        transmission.bytes = fault.junk.empty() ? kJunk : fault.junk;
    transmission.bytes.insert(transmission.bytes.end(), frame.begin(), frame.end());
    if (fault.kind == Fault::Kind::Delay) transmission.delay_ms = fault.delay_ms;
    out.send(std::move(transmission));
}

}  // namespace zav::sim
