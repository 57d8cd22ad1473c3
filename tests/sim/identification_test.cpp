// Every profile identified through the link library over the pty, with the
// reply layouts hosts decode field by field.
#include <gtest/gtest.h>

#include "link_host.h"
#include "zav/sim/profile.h"
#include "zav/sim/simulator.h"

using namespace zav::sim;
using namespace zav::sim::test;
using Bytes = std::vector<std::uint8_t>;

namespace {

constexpr int kPort = 110;

std::string trimmed(std::string text) {
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

// Reply data of a request answered with 0xF0.
Bytes ok_reply(const Bytes& command) {
    const LinkReply reply = link_command(command);
    EXPECT_EQ(reply.status, 1) << "command " << int(command[0]);
    if (reply.data.empty() || reply.data[0] != 0xF0) {
        ADD_FAILURE() << "no success reply to command " << int(command[0]);
        return Bytes(64, 0);
    }
    return reply.data;
}

void check_sensor(const SensorProfile& s, const Bytes& d) {
    SCOPED_TRACE(s.name);
    ASSERT_EQ(d.size(), 41u);
    EXPECT_EQ(trimmed(field_text(d, 1, 20)), s.name);
    const Bytes bytes(d.begin() + 21, d.begin() + 36);
    const Bytes expected = {s.code,
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
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(static_cast<std::int8_t>(d[30]), s.detect_threshold);
    EXPECT_EQ(d[39] + 256 * d[40], s.phase_delay);
}

void identify(const Profile& p) {
    SCOPED_TRACE(p.name);
    ASSERT_EQ(OpenPort(kPort), 1);
    EXPECT_EQ(ok_reply({0x11}), Bytes{0xF0});

    const Bytes serial = ok_reply({0x0C});
    ASSERT_EQ(serial.size(), 5u);
    EXPECT_EQ((std::uint32_t(serial[1]) << 24) | (serial[2] << 16) | (serial[3] << 8) | serial[4],
              p.serial_number);

    const Bytes config = ok_reply({0x30, 0x05, 0x65});
    ASSERT_EQ(config.size(), 28u);
    EXPECT_EQ(config[1] + config[2], int(p.sensors.size()));
    const std::string unit_type = field_text(config, 18, 10);
    EXPECT_EQ(std::string(unit_type.c_str()), p.unit_type);  // zero-padded

    for (std::size_t i = 0; i < p.sensors.size(); ++i)
        check_sensor(p.sensors[i], ok_reply({0x30, 0x05, 0x61, std::uint8_t(i)}));
    EXPECT_EQ(link_command({0x30, 0x05, 0x61, std::uint8_t(p.sensors.size())}).data, Bytes{0xF3});

    const Bytes motors = ok_reply({0x30, 0x05, 0x67});
    ASSERT_EQ(motors.size(), 2u);
    ASSERT_EQ(motors[1], p.motors.size());
    for (std::size_t i = 0; i < p.motors.size(); ++i) {
        const Bytes m = ok_reply({0x30, 0x05, 0x66, std::uint8_t(i)});
        ASSERT_EQ(m.size(), 23u);
        EXPECT_EQ(trimmed(field_text(m, 1, 20)), p.motors[i].name);
        EXPECT_EQ(m[21], p.motors[i].byte_a);
        EXPECT_EQ(m[22], p.motors[i].byte_b);
    }

    const Bytes firmware = ok_reply({0x30, 0x05, 0x44});
    ASSERT_EQ(firmware.size(), 17u);
    EXPECT_EQ(field_text(firmware, 1, 16), p.firmware);
    const Bytes dataset = ok_reply({0x30, 0x05, 0x16});
    ASSERT_EQ(dataset.size(), 9u);
    EXPECT_EQ(field_text(dataset, 1, 8), p.dataset);
    CloseComm();
}

}  // namespace

TEST(Identification, EveryProfileAnswersWithItsLayouts) {
    SetMessageMode(0);
    for (const Profile* p : all_profiles()) {
        Simulator sim({.model = p->name});
        ASSERT_TRUE(sim.start());
        sim.export_port(kPort);
        identify(*p);
        sim.stop();
    }
}
