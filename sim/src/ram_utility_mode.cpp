#include "ram_utility_mode.h"

#include "diagnostic_readings.h"
#include "unit_layout.h"
#include "zav/platform/clock.h"

namespace zav::sim {
namespace {

// Command bytes of the RAM utility.
constexpr std::uint8_t kAcknowledge = 0x80;
constexpr std::uint8_t kLeave = 0x82;
constexpr std::uint8_t kStartDiagnostic = 0x83;
constexpr std::uint8_t kStartTests = 0x85;
constexpr std::uint8_t kEnter = 0x86;
constexpr std::uint8_t kStopDiagnostic = 0x87;
constexpr std::uint8_t kStackerPark = 0x9A;
constexpr std::uint8_t kStraightenerPark = 0x9B;
constexpr std::uint8_t kBezelRed = 0x9C;
constexpr std::uint8_t kBezelWhite = 0x9F;
constexpr std::uint8_t kPingSensor17 = 0xB3;
constexpr std::uint8_t kPingSensorBase = 0xC0;  // OR the sensor index
constexpr std::size_t kSensor17 = 16;
// Motor, stacker and straightener on and off (0x90 to 0x97 but 0x95) take
// no answer; the utility just does them.

// Parking takes a few test steps for the stacker, one for the straightener.
constexpr int kStackerParkSteps = 3;
constexpr std::uint8_t kGainPacketCode = 0x00;
constexpr std::size_t kGainBytesPerSensor = 4;

std::int64_t now_ms() {
    return platform::monotonic_ms();
}

}  // namespace

RamUtilityMode::RamUtilityMode(const Profile& profile, RawChannelControl& control,
                               const Options& options)
    : profile_(profile),
      control_(control),
      step_us_(static_cast<std::int64_t>(options.test_step_ms) * 1000),
      paper_delay_us_(static_cast<std::int64_t>(options.paper_delay_ms) * 1000) {}

void RamUtilityMode::receive(const std::uint8_t* bytes, std::size_t count, DeviceOutput& out) {
    for (std::size_t i = 0; i < count; ++i) {
        if (gain_packet_.receiving(now_ms())) {
            if (gain_packet_.push(bytes[i], now_ms())) take_gain_packet(out);
        } else if (bytes[i] == kPacketStart) {
            gain_packet_.start(now_ms());
        } else if (!command(bytes[i], out)) {
            return;
        }
    }
}

bool RamUtilityMode::command(std::uint8_t byte, DeviceOutput& out) {
    control_.count_command(byte);
    const std::int64_t now_us = platform::monotonic_ms() * 1000;
    const int step_ms = static_cast<int>(step_us_ / 1000);
    switch (byte) {
        case kLeave:
            stop_tests();
            out.switch_to(Program::LinkProtocol);
            return false;
        case kStartDiagnostic:
        case kEnter:
            acknowledge(byte, 1, out);
            return true;
        case kStartTests:
            // A start the utility does not acknowledge is one it did not
            // take: no results follow (one could hold a byte 0x80).
            if (control_.faults().no_ack[kStartTests]) return true;
            acknowledge(byte, 1, out);
            start_tests(now_us);
            return true;
        case kStopDiagnostic:
            stop_tests();
            return true;
        case kStackerPark:
            acknowledge(byte, 1, out, kStackerParkSteps * step_ms);
            return true;
        case kStraightenerPark:
            acknowledge(byte, 1, out, step_ms);
            return true;
        case kPingSensor17:
            if (unit_layout(profile_).pings_sensor17_with_b3) ping(kSensor17, out);
            return true;
        default:
            break;
    }
    if (byte >= kBezelRed && byte <= kBezelWhite) {
        acknowledge(byte, 1, out);
    } else if (byte >= kPingSensorBase) {
        ping(static_cast<std::size_t>(byte - kPingSensorBase), out);
    }
    return true;
}

// A gain packet is taken when its length fits the unit's sensors, its code
// is 0x00 and its check byte is right; anything else is not acknowledged.
void RamUtilityMode::take_gain_packet(DeviceOutput& out) {
    const auto& packet = gain_packet_.packet();
    const std::size_t n = packet[1];
    const bool accepted = n == kGainBytesPerSensor * profile_.sensors.size() &&
                          packet[2] == kGainPacketCode &&
                          xor_check(packet.data() + 3, n) == packet.back();
    control_.record_gain_packet(packet, accepted);
    if (accepted) acknowledge(kPacketStart, packet.size(), out);
}

void RamUtilityMode::acknowledge(std::uint8_t command, std::size_t answered_bytes,
                                 DeviceOutput& out, int delay_ms) {
    if (control_.faults().no_ack[command] || control_.random_loss()) return;
    out.send({{kAcknowledge}, answered_bytes, delay_ms});
}

void RamUtilityMode::ping(std::size_t sensor, DeviceOutput& out) {
    if (sensor >= profile_.sensors.size()) return;
    out.send({{live_reading(profile_, sensor, now_ms())}, 1, 0});
}

void RamUtilityMode::start_tests(std::int64_t now_us) {
    const auto tests = tests_before_green_paper(profile_);
    tests_.assign(tests.begin(), tests.end());
    next_test_us_ = now_us + step_us_;
    awaiting_paper_ = false;
    paper_due_us_.reset();
}

void RamUtilityMode::stop_tests() {
    tests_.clear();
    next_test_us_.reset();
    awaiting_paper_ = false;
    paper_due_us_.reset();
    control_.withdraw_green_paper();
}

std::optional<std::int64_t> RamUtilityMode::next_tick_us() const {
    if (next_test_us_) return next_test_us_;
    return awaiting_paper_ ? paper_due_us_ : std::nullopt;
}

// Sends the tests' packets as they fall due; after the paper-less readings
// the paper readings follow once a green paper is in: after the paper delay,
// or when the owner inserts one.
void RamUtilityMode::tick(std::int64_t now_us, DeviceOutput& out) {
    if (next_test_us_ && now_us >= *next_test_us_) {
        send_result(tests_.front(), out);
        tests_.pop_front();
        if (!tests_.empty()) {
            next_test_us_ = now_us + step_us_;
        } else {
            next_test_us_.reset();
            awaiting_paper_ = true;
            if (paper_delay_us_ >= 0) paper_due_us_ = now_us + paper_delay_us_;
        }
    }
    if (!awaiting_paper_ || control_.faults().no_green_paper) return;
    const bool delay_over = paper_due_us_ && now_us >= *paper_due_us_;
    if (control_.take_green_paper() || delay_over) {
        awaiting_paper_ = false;
        paper_due_us_.reset();
        send_result(ResultPacket::GreenPaper, out);
    }
}

void RamUtilityMode::send_result(ResultPacket packet, DeviceOutput& out) {
    const RawFaultSet faults = control_.faults();
    const std::size_t which = static_cast<std::size_t>(packet);
    std::uint8_t code = result_code(packet);
    if (faults.wrong_code[which]) code = static_cast<std::uint8_t>(~code);
    auto bytes = utility_packet(code, result_data(profile_, packet, faults));
    if (faults.bad_check[which] || control_.random_loss()) bytes.back() ^= 0xFF;
    control_.count_result_packet();
    out.send({std::move(bytes), 0, 0});
}

}  // namespace zav::sim
