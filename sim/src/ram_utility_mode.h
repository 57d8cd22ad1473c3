#pragma once
// The RAM utility running in the validator: one-byte commands answered with
// the acknowledge 0x80 where the host waits for one, the sensor-gain packet
// (checked before it is acknowledged), the result packets of a diagnostic
// in the model's order, sensor pings, and 0x82 back to the link protocol.
#include <cstdint>
#include <deque>
#include <optional>

#include "device_mode.h"
#include "raw_channel_control.h"
#include "utility_packet.h"
#include "zav/sim/profile.h"
#include "zav/sim/simulator.h"

namespace zav::sim {

class RamUtilityMode final : public DeviceMode {
  public:
    RamUtilityMode(const Profile& profile, RawChannelControl& control, const Options& options);

    void receive(const std::uint8_t* bytes, std::size_t count, DeviceOutput& out) override;
    std::optional<std::int64_t> next_tick_us() const override;
    void tick(std::int64_t now_us, DeviceOutput& out) override;

  private:
    // False when the command ends the utility (the rest of the read is lost).
    bool command(std::uint8_t byte, DeviceOutput& out);
    void take_gain_packet(DeviceOutput& out);
    void acknowledge(std::uint8_t command, std::size_t answered_bytes, DeviceOutput& out,
                     int delay_ms = 0);
    void ping(std::size_t sensor, DeviceOutput& out);
    void start_tests(std::int64_t now_us);
    void stop_tests();
    void send_result(ResultPacket packet, DeviceOutput& out);

    const Profile& profile_;
    RawChannelControl& control_;
    const std::int64_t step_us_;         // time each test takes
    const std::int64_t paper_delay_us_;  // negative: the owner inserts the paper
    UtilityPacketReceiver gain_packet_;

    // The diagnostic in progress: packets still to send and when the next
    // is due, then the wait for the green paper.
    std::deque<ResultPacket> tests_;
    std::optional<std::int64_t> next_test_us_;
    bool awaiting_paper_ = false;
    std::optional<std::int64_t> paper_due_us_;
};

}  // namespace zav::sim
