// ccTalk packets and the second packet family against a scripted device.
#include "scripted_peer.h"
#include "serial_fixture.h"
#include "zav/platform/clock.h"

namespace zav::serial::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

CCTPacket request(std::uint8_t destination, std::uint8_t source, std::uint8_t header,
                  const Bytes& data = {}) {
    CCTPacket p{};
    p.destination = destination;
    p.source = source;
    p.header = header;
    p.data_length = static_cast<std::uint8_t>(data.size());
    std::copy(data.begin(), data.end(), p.tx_data);
    return p;
}

class Packets : public SerialLibraryTest {
  protected:
    static constexpr int kCom = 110;
    void SetUp() override {
        SerialLibraryTest::SetUp();
        ASSERT_EQ(OpenPort(kCom, 9600), ZAV_SERIAL_OK);
    }
    TestPort port_{kCom};
};

TEST_F(SerialLibraryTest, PacketCallsWithoutAPortReturn11AtOnce) {
    SetCCTFloodProtect(5000);
    SetCCTRetry(3, 1000);
    CCTPacket p = request(2, 1, 254);
    const auto t0 = platform::monotonic_ms();
    EXPECT_EQ(SendCCTPacket(&p), ZAV_SERIAL_NOT_OPEN);
    EXPECT_EQ(SendMDCESPacket(&p), ZAV_SERIAL_NOT_OPEN);
    EXPECT_LT(platform::monotonic_ms() - t0, 100);
}

TEST_F(Packets, SimplePollFrameAndItsAcknowledge) {
    ScriptedPeer peer(port_, {PeerReply::Ack});
    CCTPacket p = request(2, 1, 254);
    ASSERT_EQ(SendCCTPacket(&p), ZAV_SERIAL_OK);
    const Bytes frame = {0x02, 0x00, 0x01, 0xFE, 0xFF};
    ASSERT_EQ(peer.frames().size(), 1u);
    EXPECT_EQ(peer.frames()[0].bytes, frame);
    EXPECT_EQ(Bytes(p.tx_frame, p.tx_frame + 5), frame);
    EXPECT_EQ(p.frame_length, 5);
    EXPECT_EQ(Bytes(p.rx_frame, p.rx_frame + 6), (Bytes{0x01, 0x00, 0x02, 0x00, 0xFD, 0x00}));
    EXPECT_EQ(p.rx_data_length, 0);
    EXPECT_EQ(p.reply_kind, ZAV_CCT_REPLY_ACK);
}

TEST_F(Packets, ReplyHeadersAndDataGiveTheirKinds) {
    ScriptedPeer peer(port_, {PeerReply::Nak, PeerReply::Busy, PeerReply::Data});
    CCTPacket p = request(40, 1, 231, {0xAA, 0xBB});
    ASSERT_EQ(SendCCTPacket(&p), ZAV_SERIAL_OK);
    EXPECT_EQ(p.reply_kind, ZAV_CCT_REPLY_NAK);
    ASSERT_EQ(SendCCTPacket(&p), ZAV_SERIAL_OK);
    EXPECT_EQ(p.reply_kind, ZAV_CCT_REPLY_BUSY);
    ASSERT_EQ(SendCCTPacket(&p), ZAV_SERIAL_OK);
    EXPECT_EQ(p.reply_kind, ZAV_CCT_REPLY_DATA);
    EXPECT_EQ(p.rx_data_length, kReplyData.size());
    EXPECT_EQ(Bytes(p.rx_data, p.rx_data + kReplyData.size()), kReplyData);

    // The request's data sit between header and checksum, and all bytes add
    // up to 0 modulo 256.
    EXPECT_EQ(peer.frames()[0].bytes, (Bytes{40, 2, 1, 231, 0xAA, 0xBB, 0x89}));
    EXPECT_EQ(p.frame_length, 7);
}

TEST_F(Packets, WrongReplyChecksumIsReportedAndRetried) {
    ScriptedPeer peer(port_, {PeerReply::WrongChecksum, PeerReply::WrongChecksum, PeerReply::Ack});
    CCTPacket p = request(2, 1, 254);
    EXPECT_EQ(SendCCTPacket(&p), ZAV_SERIAL_BAD_CHECKSUM);
    EXPECT_EQ(p.reply_kind, ZAV_CCT_REPLY_ACK);  // decoded before the check

    SetCCTRetry(1, 80);
    EXPECT_EQ(SendCCTPacket(&p), ZAV_SERIAL_OK);
    const auto frames = peer.frames();
    ASSERT_EQ(frames.size(), 3u);
    EXPECT_GE(frames[2].at_ms - frames[1].at_ms, 70);  // stamps run a few ms late
}

TEST_F(Packets, OversizedPacketsAreRefusedOrEndTheRead) {
    ScriptedPeer peer(port_, {PeerReply::Oversized});
    CCTPacket p = request(2, 1, 254);
    p.data_length = 252;
    EXPECT_EQ(SendCCTPacket(&p), ZAV_SERIAL_WRITE_FAILED);
    EXPECT_EQ(SendMDCESPacket(&p), ZAV_SERIAL_WRITE_FAILED);

    // The largest packet fills the whole frame area; the reply's length
    // byte runs past the receive area.
    p = request(2, 1, 254, Bytes(251, 0x5A));
    EXPECT_EQ(SendCCTPacket(&p), ZAV_SERIAL_TIMEOUT);
    EXPECT_EQ(p.rx_data_length, 0);  // the length byte names nothing received
    const auto frames = peer.frames();
    ASSERT_EQ(frames.size(), 1u);  // the 252-byte one never reached the line
    EXPECT_EQ(frames[0].bytes.size(), 256u);
}

TEST_F(Packets, MissingReplyTimesOutAfterItsOwnTimeLimit) {
    ScriptedPeer peer(port_, {PeerReply::EchoOnly});
    CCTPacket p = request(2, 1, 254);
    const auto t0 = platform::monotonic_ms();
    EXPECT_EQ(SendCCTPacket(&p), ZAV_SERIAL_TIMEOUT);
    const auto elapsed = platform::monotonic_ms() - t0;
    EXPECT_GE(elapsed, 300);
    EXPECT_LT(elapsed, 550);
    EXPECT_EQ(p.reply_kind, ZAV_CCT_REPLY_SENDING);
}

TEST_F(Packets, FloodGapSeparatesPacketCalls) {
    ScriptedPeer peer(port_, {PeerReply::Ack});
    SetCCTFloodProtect(150);
    CCTPacket p = request(2, 1, 254);
    ASSERT_EQ(SendCCTPacket(&p), ZAV_SERIAL_OK);
    const auto first_done = platform::monotonic_ms();
    ASSERT_EQ(SendMDCESPacket(&p), ZAV_SERIAL_OK);
    const auto frames = peer.frames();
    ASSERT_EQ(frames.size(), 2u);
    // Both clocks count whole milliseconds.
    EXPECT_GE(frames[1].at_ms - first_done, 148);
}

TEST_F(Packets, SecondFamilyHandsBackTheRawReplyUnchecked) {
    ScriptedPeer peer(port_, {PeerReply::Data, PeerReply::WrongChecksum});
    CCTPacket p = request(2, 1, 254);
    ASSERT_EQ(SendMDCESPacket(&p), ZAV_SERIAL_OK);
    EXPECT_EQ(p.reply_kind, ZAV_CCT_REPLY_SENDING);
    Bytes expected = make_frame(1, 2, 0, kReplyData);
    expected.resize(256, 0);
    EXPECT_EQ(Bytes(p.rx_data, p.rx_data + 256), expected);

    p = request(2, 1, 254, {7});
    ASSERT_EQ(SendMDCESPacket(&p), ZAV_SERIAL_OK);
    EXPECT_EQ(p.reply_kind, ZAV_CCT_REPLY_DATA);
}

}  // namespace
}  // namespace zav::serial::test
