#include "link_protocol_mode.h"

#include <algorithm>
#include <array>
#include <optional>

#include "command_codes.h"
#include "identification_replies.h"

namespace zav::sim {
namespace {

// Sent before a reply when a junk fault names no bytes of its own; none is
// 0x7F, so the host's receiver sees them as noise between frames.
const Bytes kDefaultJunk = {0x00, 0x55, 0xAA, 0xFF, 0x13};

// Length of a frame on the wire: every 0x7F after the start byte is doubled.
std::size_t stuffed_length(const std::uint8_t* frame, std::size_t length) {
    return length +
           static_cast<std::size_t>(std::count(frame + 1, frame + length, vlp::kStartByte));
}

}  // namespace

LinkProtocolMode::LinkProtocolMode(const Profile& profile, SimulatorControl& control,
                                   LoaderSession& loader,
                                   const InitialisationOptions& initialisation)
    : control_(control), commands_(profile, control, loader, initialisation) {}

void LinkProtocolMode::receive(const std::uint8_t* bytes, std::size_t count, DeviceOutput& out) {
    for (std::size_t i = 0; i < count; ++i) {
        if (receiver_.push(bytes[i]) == vlp::FrameReceiver::Event::Frame) answer_frame(out);
    }
}

bool LinkProtocolMode::repeats_last_command() const {
    const std::uint8_t* frame = receiver_.frame();
    return frame[3] != kSync && std::equal(frame, frame + receiver_.frame_length(),
                                           last_command_frame_.begin(), last_command_frame_.end());
}

void LinkProtocolMode::answer_frame(DeviceOutput& out) {
    const std::uint8_t* frame = receiver_.frame();
    const std::size_t frame_length = receiver_.frame_length();
    const std::uint8_t* data = receiver_.data();
    const std::size_t count = receiver_.data_length();
    const CommandKey key = command_key(data, count);
    control_.record_frame(key, frame, frame_length);

    if (!repeats_last_command()) {
        last_reply_ = commands_.execute(data, count);
        last_command_frame_.assign(frame, frame + frame_length);
    }
    const bool start_loader = commands_.take_loader_start();
    std::optional<Bytes> raw = commands_.take_raw_reply();
    const Fault fault = control_.take_fault(key);
    if (fault.kind == Fault::Kind::NoReply) return;
    if (raw) {
        out.send({std::move(*raw), stuffed_length(frame, frame_length)});
        return;
    }

    Bytes reply = last_reply_;
    if (fault.kind == Fault::Kind::GenericCode) reply = {fault.code};
    if (fault.kind == Fault::Kind::Reply) reply = fault.junk;
    if (fault.kind == Fault::Kind::ZeroPadded) write_zero_padded_text(reply, key, fault.text);
    reply.resize(std::min(reply.size(), vlp::kMaxDataLength));
    std::uint8_t addr_seq = receiver_.address_sequence();
    if (fault.kind == Fault::Kind::WrongSequence) addr_seq ^= vlp::kSequenceBit;

    std::array<std::uint8_t, vlp::kMaxFrameLength> reply_frame;
    const std::size_t length =
        vlp::build_frame(addr_seq, reply.data(), reply.size(), reply_frame.data());
    if (fault.kind == Fault::Kind::BadCrc) reply_frame[length - 2] ^= 0xFF;

    Transmission transmission;
    if (fault.kind == Fault::Kind::JunkBefore)
        transmission.bytes = fault.junk.empty() ? kDefaultJunk : fault.junk;
    const std::size_t junk = transmission.bytes.size();
    transmission.bytes.resize(junk + 2 * length);
    transmission.bytes.resize(
        junk + vlp::stuff(reply_frame.data(), length, transmission.bytes.data() + junk));
    transmission.answered_bytes = stuffed_length(frame, frame_length);
    if (fault.kind == Fault::Kind::Delay) transmission.delay_ms = fault.delay_ms;
    out.send(std::move(transmission));
    // The firmware hands over to its RAM loader once it has accepted a
    // download header.
    if (start_loader && reply.front() == kReplyOk) out.switch_to(Program::RamLoader);
}

}  // namespace zav::sim
