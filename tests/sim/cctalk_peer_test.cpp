// The simulator as a ccTalk peer, met through the serial library's packet
// call: the echo of the shared line, the reply kinds, and its faults.
#include <gtest/gtest.h>

#include <algorithm>

#include "raw_channel_host.h"
#include "zav/sim/profile.h"
#include "zav/sim/simulator.h"
#include "zav_serial.h"

using namespace zav::sim;
using namespace zav::sim::test;

namespace {

constexpr int kPort = 122;
constexpr int kSilenceMs = 150;

class CcTalkPeer : public ::testing::Test {
  protected:
    void SetUp() override {
        sim_ = std::make_unique<Simulator>(Options{.model = "RX8", .program = Program::CcTalkPeer});
        std::string error;
        ASSERT_TRUE(sim_->start(&error)) << error;
        sim_->export_port(kPort);
        ASSERT_EQ(OpenPort(kPort, 9600), 0);
    }
    void TearDown() override { ClosePort(); }

    // Sends a packet with this header (destination 40, source 1) and data.
    int send(std::uint8_t header, const Bytes& data = {}) {
        packet_ = {};
        packet_.header = header;
        packet_.source = 1;
        packet_.destination = 40;
        packet_.data_length = static_cast<std::uint8_t>(data.size());
        std::copy(data.begin(), data.end(), packet_.tx_data);
        return SendCCTPacket(&packet_);
    }
    Bytes reply_data() const {
        return Bytes(packet_.rx_data, packet_.rx_data + packet_.rx_data_length);
    }

    std::unique_ptr<Simulator> sim_;
    CCTPacket packet_{};
};

}  // namespace

TEST_F(CcTalkPeer, AnswersWithAcknowledgeNakBusyOrData) {
    EXPECT_EQ(send(254), 0);  // simple poll
    EXPECT_EQ(packet_.reply_kind, ZAV_CCT_REPLY_ACK);
    // The reply goes back to the sender, from the peer's own address.
    EXPECT_EQ(Bytes(packet_.rx_frame, packet_.rx_frame + 5), (Bytes{1, 0, 40, 0, 0xD7}));

    EXPECT_EQ(send(242), 0);  // serial number, least significant byte first
    EXPECT_EQ(packet_.reply_kind, ZAV_CCT_REPLY_DATA);
    EXPECT_EQ(reply_data(), (Bytes{0x61, 0x8E, 0x80}));
    EXPECT_EQ(send(245), 0);
    EXPECT_EQ(reply_data(), Bytes(std::begin("Bill Validator"), std::end("Bill Validator") - 1));

    EXPECT_EQ(send(100, {1, 2, 3}), 0);  // a request the peer does not know
    EXPECT_EQ(packet_.reply_kind, ZAV_CCT_REPLY_NAK);

    Fault busy;
    busy.kind = Fault::Kind::GenericCode;
    busy.code = 6;
    busy.times = 1;
    sim_->set_fault(254, busy);
    EXPECT_EQ(send(254), 0);
    EXPECT_EQ(packet_.reply_kind, ZAV_CCT_REPLY_BUSY);
    EXPECT_EQ(send(254), 0);
    EXPECT_EQ(packet_.reply_kind, ZAV_CCT_REPLY_ACK);
}

TEST_F(CcTalkPeer, SilenceAndWrongChecksumReachTheHost) {
    sim_->set_fault(254, Fault{.kind = Fault::Kind::NoReply, .times = 1});
    EXPECT_EQ(send(254), ZAV_SERIAL_TIMEOUT);  // the echo came, the reply did not
    sim_->set_fault(254, Fault{.kind = Fault::Kind::BadCrc, .times = 1});
    EXPECT_EQ(send(254), ZAV_SERIAL_BAD_CHECKSUM);
    EXPECT_EQ(send(254), 0);
}

TEST_F(CcTalkPeer, FrameWithAWrongChecksumIsEchoedButNotAnswered) {
    const Bytes frame = {40, 0, 1, 254, 0x00};
    send_bytes(frame);
    EXPECT_EQ(read_bytes(static_cast<int>(frame.size())), frame);
    EXPECT_TRUE(stays_silent(kSilenceMs));
}
