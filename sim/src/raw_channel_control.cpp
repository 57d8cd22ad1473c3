#include "raw_channel_control.h"

namespace zav::sim {
namespace {

constexpr int kSensorsInAPacket = 256;

std::size_t bit(auto value) {
    return static_cast<std::size_t>(value);
}

}  // namespace

bool RawFaultSet::sensor_fails(std::size_t sensor, SensorTest test) const {
    if (sensor >= path_fails.size()) return false;
    return test == SensorTest::PaperLess ? path_fails[sensor] : paper_fails[sensor];
}

bool RawFaultSet::mechanism_fails(Mechanism mechanism) const {
    return mechanisms[bit(mechanism)];
}

bool RawChannelControl::add_fault(const RawFault& fault) {
    using Kind = RawFault::Kind;
    if (fault.kind == Kind::SensorFails && (fault.sensor < 0 || fault.sensor >= kSensorsInAPacket))
        return false;
    std::lock_guard lock(mutex_);
    switch (fault.kind) {
        case Kind::NoAck:
            faults_.no_ack.set(fault.command);
            break;
        case Kind::BadCheck:
        case Kind::WrongCode: {
            auto& packets = fault.kind == Kind::BadCheck ? faults_.bad_check : faults_.wrong_code;
            if (fault.packet) {
                packets.set(bit(*fault.packet));
            } else {
                packets.set();
            }
            break;
        }
        case Kind::NoGreenPaper:
            faults_.no_green_paper = true;
            break;
        case Kind::SensorFails:
            (fault.test == SensorTest::PaperLess ? faults_.path_fails : faults_.paper_fails)
                .set(bit(fault.sensor));
            break;
        case Kind::MechanismFails:
            faults_.mechanisms.set(bit(fault.mechanism));
            break;
    }
    return true;
}

void RawChannelControl::clear_faults() {
    std::lock_guard lock(mutex_);
    faults_ = RawFaultSet{};
}

RawFaultSet RawChannelControl::faults() const {
    std::lock_guard lock(mutex_);
    return faults_;
}

void RawChannelControl::insert_green_paper() {
    std::lock_guard lock(mutex_);
    green_paper_ = true;
}

bool RawChannelControl::take_green_paper() {
    std::lock_guard lock(mutex_);
    const bool inserted = green_paper_;
    green_paper_ = false;
    return inserted;
}

void RawChannelControl::withdraw_green_paper() {
    std::lock_guard lock(mutex_);
    green_paper_ = false;
}

void RawChannelControl::count_command(std::uint8_t command) {
    std::lock_guard lock(mutex_);
    ++commands_[command];
}

std::size_t RawChannelControl::commands_received(std::uint8_t command) const {
    std::lock_guard lock(mutex_);
    return commands_[command];
}

void RawChannelControl::record_gain_packet(const std::vector<std::uint8_t>& packet, bool accepted) {
    std::lock_guard lock(mutex_);
    ++(accepted ? gains_accepted_ : gains_refused_);
    last_gain_packet_ = packet;
}

std::size_t RawChannelControl::gain_packets(bool accepted) const {
    std::lock_guard lock(mutex_);
    return accepted ? gains_accepted_ : gains_refused_;
}

std::vector<std::uint8_t> RawChannelControl::last_gain_packet() const {
    std::lock_guard lock(mutex_);
    return last_gain_packet_;
}

void RawChannelControl::count_result_packet() {
    std::lock_guard lock(mutex_);
    ++result_packets_;
}

std::size_t RawChannelControl::result_packets_sent() const {
    std::lock_guard lock(mutex_);
    return result_packets_;
}

}  // namespace zav::sim
