// The RAM utility's raw channel as the program meets it through the serial
// library over the pty: acknowledges, the sensor-gain check, the result
// packets of a diagnostic per model, pings, and leaving for the link.
#include <gtest/gtest.h>

#include <cstdlib>

#include "raw_channel_host.h"
#include "raw_host.h"
#include "zav/platform/clock.h"
#include "zav/sim/profile.h"
#include "zav/sim/simulator.h"
#include "zav/test/wait_until.h"

using namespace zav::sim;
using namespace zav::sim::test;
using zav::platform::monotonic_ms;

namespace {

constexpr int kPort = 121;
constexpr int kStepMs = 20;
constexpr int kSilenceMs = 150;
constexpr std::uint8_t kAck = 0x80;

const Bytes kAckOnly = {kAck};

class RawChannel : public ::testing::Test {
  protected:
    void start(const char* model, Options options = {}) {
        options.model = model;
        options.program = Program::RamUtility;
        options.test_step_ms = kStepMs;
        if (options.paper_delay_ms == Options{}.paper_delay_ms) options.paper_delay_ms = -1;
        sim_ = std::make_unique<Simulator>(options);
        std::string error;
        ASSERT_TRUE(sim_->start(&error)) << error;
        sim_->export_port(kPort);
        ASSERT_EQ(open_raw_channel(kPort), 0);
    }
    void TearDown() override { close_raw_channel(); }

    // Sends the command and returns the bytes of its answer.
    std::optional<Bytes> answer(std::uint8_t command, int count = 1) {
        send_bytes({command});
        return read_bytes(count);
    }

    // Starts a diagnostic and takes its packets up to the paper-less one.
    std::vector<UtilityPacket> packets_before_paper(const Profile& profile, std::size_t count) {
        EXPECT_EQ(answer(0x85), kAckOnly);
        std::vector<UtilityPacket> packets;
        for (std::size_t i = 0; i < count; ++i) {
            const auto received = read_packet();
            if (!received) {
                ADD_FAILURE() << profile.name << ": packet " << i << " missing";
                break;
            }
            EXPECT_TRUE(received->check_ok) << profile.name << " packet " << i;
            packets.push_back(received->packet);
        }
        return packets;
    }

    std::unique_ptr<Simulator> sim_;
};

struct ExpectedPacket {
    std::uint8_t code;  // 0: any
    std::size_t length;
};

// The packets each model sends before the green paper, as the program's
// diagnostic steps take them.
std::vector<ExpectedPacket> expected_before_paper(const Profile& p) {
    const std::string model = p.unit_type;
    std::vector<ExpectedPacket> packets;
    if (model != "RX3" && model != "TM4") packets.push_back({0, 6});
    packets.push_back({0xB9, 4});
    if (model == "TM6") packets.push_back({0xD3, 3});
    packets.push_back({0, p.sensors.size()});
    return packets;
}

}  // namespace

TEST_F(RawChannel, AcknowledgesTheCommandsTheProgramWaitsFor) {
    start("TM6");
    for (std::uint8_t command : {0x83, 0x86, 0x9B, 0x9C, 0x9D, 0x9E, 0x9F})
        EXPECT_EQ(answer(command), kAckOnly) << int(command);

    // Parking the stacker takes three test steps before its acknowledge.
    const auto sent = monotonic_ms();
    EXPECT_EQ(answer(0x9A), kAckOnly);
    EXPECT_GE(monotonic_ms() - sent, 3 * kStepMs);

    // Motor, stacker and straightener switches, stop, and unknown bytes.
    send_bytes({0x87, 0x90, 0x91, 0x92, 0x93, 0x94, 0x96, 0x97, 0x95, 0x98, 0x00});
    EXPECT_TRUE(stays_silent(kSilenceMs));
    EXPECT_EQ(sim_->raw_commands_received(0x91), 1u);
    EXPECT_EQ(sim_->raw_commands_received(0x83), 1u);
    EXPECT_EQ(sim_->running_program(), Program::RamUtility);
}

TEST_F(RawChannel, DroppedAcknowledgeConcernsOnlyItsCommand) {
    start("RX5");
    RawFault fault;
    fault.command = 0x86;
    ASSERT_TRUE(sim_->add_raw_fault(fault));
    send_bytes({0x86});
    EXPECT_TRUE(stays_silent(kSilenceMs));
    EXPECT_EQ(sim_->raw_commands_received(0x86), 1u);
    EXPECT_EQ(answer(0x83), kAckOnly);

    sim_->clear_raw_faults();
    EXPECT_EQ(answer(0x86), kAckOnly);
}

TEST_F(RawChannel, GainPacketIsAcknowledgedOnlyWhenLengthCodeAndCheckAreRight) {
    start("TM6");
    const Profile& tm6 = *find_profile("TM6");
    const Bytes good = gain_packet(tm6);
    ASSERT_EQ(good.size(), 4 * 26 + 4u);
    send_bytes(good);
    EXPECT_EQ(read_bytes(1), kAckOnly);
    EXPECT_EQ(sim_->last_gain_packet(), good);

    Bytes short_packet(good.begin(), good.end() - 5);  // one sensor less
    short_packet[1] -= 4;
    short_packet.push_back(0);
    for (std::size_t i = 3; i + 1 < short_packet.size(); ++i)
        short_packet.back() ^= short_packet[i];
    Bytes wrong_code = good;
    wrong_code[2] = 0x01;
    Bytes wrong_check = good;
    wrong_check.back() ^= 0x01;
    for (const Bytes& bad : {short_packet, wrong_code, wrong_check}) {
        send_bytes(bad);
        EXPECT_TRUE(stays_silent(kSilenceMs));
    }
    EXPECT_EQ(sim_->gain_packets_accepted(), 1u);
    EXPECT_EQ(sim_->gain_packets_refused(), 3u);
    // Each refused packet was counted out whole: the next byte is a command.
    EXPECT_EQ(answer(0x83), kAckOnly);
}

TEST_F(RawChannel, GainPacketBytesEqualToTheStartByteAreData) {
    start("RX3");
    Bytes packet = gain_packet(*find_profile("RX3"));
    packet[3] = 0x7F;  // the first gain
    packet.back() = 0;
    for (std::size_t i = 3; i + 1 < packet.size(); ++i) packet.back() ^= packet[i];
    send_bytes(packet);
    EXPECT_EQ(read_bytes(1), kAckOnly);
    EXPECT_EQ(sim_->gain_packets_accepted(), 1u);
}

TEST_F(RawChannel, HalfAPacketIsAbandonedAfterAPause) {
    start("TM4");
    send_bytes({0x7F, 0x40, 0x00, 0x12});
    EXPECT_TRUE(stays_silent(300));
    EXPECT_EQ(answer(0x83), kAckOnly);
    EXPECT_EQ(sim_->gain_packets_accepted() + sim_->gain_packets_refused(), 0u);
}

TEST_F(RawChannel, GainPacketWithoutAcknowledgeIsStillTaken) {
    start("TM4");
    RawFault fault;
    fault.command = 0x7F;
    sim_->add_raw_fault(fault);
    send_bytes(gain_packet(*find_profile("TM4")));
    EXPECT_TRUE(stays_silent(kSilenceMs));
    EXPECT_TRUE(zav::test::waitUntil([&] { return sim_->gain_packets_accepted() == 1; }));
}

// For every model: the packets in the order and with the codes and lengths
// the program's steps take them, the paper readings only once a green
// paper is in, and a healthy unit passing every rule of the program.
TEST_F(RawChannel, DiagnosticSendsEachModelsPacketsInOrderAndPasses) {
    for (const Profile* p : all_profiles()) {
        if (*p->unit_type == '\0') continue;
        SCOPED_TRACE(p->name);
        close_raw_channel();
        start(p->name);
        const auto expected = expected_before_paper(*p);
        auto packets = packets_before_paper(*p, expected.size());
        ASSERT_EQ(packets.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            if (expected[i].code != 0) {
                EXPECT_EQ(packets[i].code, expected[i].code) << i;
            }
            EXPECT_EQ(packets[i].data.size(), expected[i].length) << i;
        }
        EXPECT_TRUE(stays_silent(kSilenceMs)) << "paper readings before the paper";

        sim_->insert_green_paper();
        const auto paper = read_packet();
        ASSERT_TRUE(paper);
        EXPECT_TRUE(paper->check_ok);
        EXPECT_EQ(paper->packet.data.size(), p->sensors.size());
        packets.push_back(paper->packet);
        EXPECT_EQ(failing_rows(*p, packets), std::vector<int>{});
        EXPECT_EQ(sim_->result_packets_sent(), expected.size() + 1);
    }
}

TEST_F(RawChannel, GreenPaperGoesInAfterTheDelay) {
    Options options;
    options.paper_delay_ms = 300;
    start("RX8", options);
    const Profile& rx8 = *find_profile("RX8");
    packets_before_paper(rx8, expected_before_paper(rx8).size());
    const auto paper_less_at = monotonic_ms();
    ASSERT_TRUE(read_packet());
    EXPECT_GE(monotonic_ms() - paper_less_at, 290);
}

TEST_F(RawChannel, FaultsReachTheWire) {
    start("TM6");
    const Profile& tm6 = *find_profile("TM6");
    const std::size_t count = expected_before_paper(tm6).size();
    RawFault stacker;
    stacker.kind = RawFault::Kind::MechanismFails;
    stacker.mechanism = Mechanism::Stacker;
    RawFault path;
    path.kind = RawFault::Kind::SensorFails;
    path.sensor = 4;
    RawFault opto_code;
    opto_code.kind = RawFault::Kind::WrongCode;
    opto_code.packet = ResultPacket::OptoWheel;
    for (const RawFault& f : {stacker, path, opto_code}) ASSERT_TRUE(sim_->add_raw_fault(f));

    auto packets = packets_before_paper(tm6, count);
    ASSERT_EQ(packets.size(), count);
    EXPECT_NE(packets[1].code, 0xB9);
    sim_->insert_green_paper();
    const auto paper = read_packet();
    ASSERT_TRUE(paper);
    packets.push_back(paper->packet);
    // Sensor 4, the stacker sensor and row, and both motor rows, as the
    // program does not take an opto-wheel packet of another code.
    const int s = static_cast<int>(tm6.sensors.size());
    EXPECT_EQ(failing_rows(tm6, packets), (std::vector<int>{4, 22, s, s + 1, s + 2}));

    sim_->clear_raw_faults();
    RawFault straightener_check;
    straightener_check.kind = RawFault::Kind::BadCheck;
    straightener_check.packet = ResultPacket::Straightener;
    sim_->add_raw_fault(straightener_check);
    EXPECT_EQ(answer(0x85), kAckOnly);
    std::vector<bool> checks;
    for (std::size_t i = 0; i < count; ++i) {
        const auto received = read_packet();
        ASSERT_TRUE(received) << i;
        checks.push_back(received->check_ok);
    }
    EXPECT_EQ(checks, (std::vector<bool>{true, true, false, true}));
}

TEST_F(RawChannel, StopAndNoGreenPaperEndTheRunWithoutPaperReadings) {
    start("TM3");
    send_bytes({0x85, 0x87});
    EXPECT_EQ(read_bytes(1), kAckOnly);
    EXPECT_TRUE(stays_silent(10 * kStepMs));
    sim_->insert_green_paper();
    EXPECT_TRUE(stays_silent(kSilenceMs)) << "a paper inserted after the stop is not read";

    RawFault no_paper;
    no_paper.kind = RawFault::Kind::NoGreenPaper;
    sim_->add_raw_fault(no_paper);
    const Profile& tm3 = *find_profile("TM3");
    const std::size_t count = expected_before_paper(tm3).size();
    EXPECT_EQ(packets_before_paper(tm3, count).size(), count);
    sim_->insert_green_paper();
    EXPECT_TRUE(stays_silent(kSilenceMs));
}

TEST_F(RawChannel, PingsAnswerWithTheSensorsLiveReading) {
    start("TM6");
    const Profile& tm6 = *find_profile("TM6");
    for (std::size_t i = 0; i < tm6.sensors.size(); ++i) {
        const auto reading = answer(static_cast<std::uint8_t>(0xC0 + i));
        ASSERT_TRUE(reading) << i;
        EXPECT_LE(std::abs((*reading)[0] - tm6.sensors[i].path_target), 3) << i;
    }
    send_bytes({static_cast<std::uint8_t>(0xC0 + tm6.sensors.size()), 0xB3});
    EXPECT_TRUE(stays_silent(kSilenceMs)) << "no such sensor; 0xB3 is no ping on a TM6";
}

TEST_F(RawChannel, SeventeenthSensorOfAnRx5AnswersB3) {
    start("RX5");
    const auto reading = answer(0xB3);
    ASSERT_TRUE(reading);
    EXPECT_LE(std::abs((*reading)[0] - find_profile("RX5")->sensors[16].path_target), 3);
}

TEST_F(RawChannel, LeavingReturnsToTheLinkProtocol) {
    start("TM5");
    send_bytes({0x82});
    // Bytes sent while the unit goes back to its firmware would be lost.
    EXPECT_TRUE(stays_silent(kSilenceMs));
    send_bytes(wire_frame(0x80, {0x11}));  // SYNC
    const Bytes reply = wire_frame(0x80, {0xF0});
    EXPECT_EQ(read_bytes(static_cast<int>(reply.size())), reply);
    EXPECT_EQ(sim_->running_program(), Program::LinkProtocol);
}
