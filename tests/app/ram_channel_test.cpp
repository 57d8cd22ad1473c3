// The RAM utility channel through the real serial library over a
// pseudo-terminal, with a scripted utility at the far end: acknowledges,
// the sensor-gain block byte for byte, and the packet receiver.
#include "zav/app/ram_channel.h"

#include <gtest/gtest.h>

#include <QTimer>
#include <chrono>

#include "core_test_support.h"
#include "zav/app/serial_api.h"
#include "zav/base/program_directory.h"
#include "zav/platform/clock.h"
#include "zav/test/pty_peer.h"

namespace zav::app {
namespace {

using namespace std::chrono_literals;
using zav::test::Bytes;
using zav::test::PtyPeer;

constexpr int kPort = 120;
constexpr int kPortWithoutDevice = 119;

class RamChannelTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::ensureApplication();
        base::SetProgramDirectory(test::distDirectory());
    }
    void TearDown() override { Serial().ClosePort(); }

    // `sensors` sensors with gains i and 2i and phase delay 10i.
    static ValidatorData sensorsWithGains(int sensors) {
        ValidatorData data;
        data.SensorCount = static_cast<std::int16_t>(sensors);
        data.ResizeSensorLists(sensors);
        for (int i = 0; i < sensors; ++i) {
            data.Gain1[i] = static_cast<std::uint8_t>(i);
            data.Gain2[i] = static_cast<std::uint8_t>(2 * i);
            data.PhaseDelay[i] = static_cast<std::int16_t>(10 * i);
        }
        return data;
    }

    TickClock clock{20ms};
    PtyPeer peer;
};

TEST(SerialStatusTextTest, EveryStatusHasItsText) {
    const char* const texts[] = {"",
                                 "",
                                 "DATA TIMEOUT",
                                 "CHECKSUM ERROR",
                                 "INVALID PORT",
                                 "INVALID BAUD RATE",
                                 "UNABLE TO SET BAUD RATE",
                                 "UNABLE TO SET TIMEOUTS",
                                 "INVALID BUFFER SIZES",
                                 "UNABLE TO SEND DATA",
                                 "UNABLE TO WRITE TO PORT",
                                 "PORT NOT OPENED",
                                 ""};
    for (int status = 0; status <= 12; ++status) {
        EXPECT_EQ(SerialStatusText(static_cast<std::int16_t>(status)),
                  QString::fromLatin1(texts[status]))
            << status;
    }
    EXPECT_EQ(SerialStatusText(-1), QString());
}

TEST_F(RamChannelTest, EntryIsAcknowledgedAfterOtherBytes) {
    ASSERT_TRUE(peer.start(kPort, PtyPeer::answer(0x86, {0x11, 0x55, 0x7F, 0x81, 0x80})));
    EXPECT_TRUE(EnterRamUtility(10, kPort, clock));
    EXPECT_EQ(peer.received(), Bytes{0x86});
    EXPECT_FALSE(clock.isRunning());
}

TEST_F(RamChannelTest, EntryWithoutAcknowledgeFailsAfterItsTicks) {
    ASSERT_TRUE(peer.start(kPort, PtyPeer::answer(0x86, {0x55})));
    const auto start = platform::monotonic_ms();
    EXPECT_FALSE(EnterRamUtility(5, kPort, clock));
    const auto elapsed = platform::monotonic_ms() - start;
    EXPECT_GE(elapsed, 5 * 20 - 2);
    EXPECT_LT(elapsed, 1000);
    EXPECT_EQ(clock.ticks(), 5);
}

TEST_F(RamChannelTest, ChannelThatDoesNotOpenSendsNothing) {
    ASSERT_TRUE(peer.start(kPort, PtyPeer::answer(0x86, {0x80})));
    EXPECT_EQ(OpenRamChannel(kPortWithoutDevice), kSerialInvalidPort);
    EXPECT_EQ(OpenRamChannel(300), kSerialInvalidPort);
    EXPECT_EQ(OpenRamChannel(-3), kSerialInvalidPort);
    EXPECT_FALSE(EnterRamUtility(5, kPortWithoutDevice, clock));
    EXPECT_FALSE(SendSensorGains(5, 300, clock, sensorsWithGains(2)));
    EXPECT_FALSE(peer.wait_received(1, 100));
}

TEST_F(RamChannelTest, GainBlockForEightSensors) {
    ASSERT_TRUE(peer.start(kPort, [](const Bytes& received) {
        return received.size() == 36 ? Bytes{0x80} : Bytes{};
    }));
    ValidatorData data = sensorsWithGains(8);
    data.PhaseDelay[3] = 300;
    data.PhaseDelay[7] = 512;
    ASSERT_TRUE(SendSensorGains(30, kPort, clock, data));

    Bytes expected{0x7F, 0x20, 0x00};
    for (int i = 0; i < 8; ++i) {
        const int phaseDelay = data.PhaseDelay[i];
        expected.insert(expected.end(),
                        {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(2 * i),
                         static_cast<std::uint8_t>(phaseDelay >> 8),
                         static_cast<std::uint8_t>(phaseDelay & 0xFF)});
    }
    std::uint8_t check = 0;
    for (std::size_t i = 3; i < expected.size(); ++i) check ^= expected[i];
    expected.push_back(check);
    const Bytes sent = peer.received();
    ASSERT_EQ(sent.size(), 36u);
    EXPECT_EQ(sent, expected);
    EXPECT_EQ(sent[3 + 4 * 3 + 2], 0x01);  // 300 = 01 2C
    EXPECT_EQ(sent[3 + 4 * 3 + 3], 0x2C);
}

TEST_F(RamChannelTest, GainBlockLengthByteLimitsTheSensors) {
    ASSERT_TRUE(peer.start(kPort, [](const Bytes& received) {
        return received.size() == 63 * 4 + 4 ? Bytes{0x80} : Bytes{};
    }));
    EXPECT_FALSE(SendSensorGains(5, kPort, clock, sensorsWithGains(64)));
    EXPECT_FALSE(peer.wait_received(1, 100)) << "64 sensors overflow the length byte";

    EXPECT_TRUE(SendSensorGains(30, kPort, clock, sensorsWithGains(63)));
    EXPECT_EQ(peer.received()[1], 0xFC);

    ValidatorData shortLists = sensorsWithGains(4);
    shortLists.SensorCount = 5;
    EXPECT_FALSE(SendSensorGains(5, kPort, clock, shortLists));
    EXPECT_EQ(peer.received().size(), 63u * 4 + 4);
}

TEST_F(RamChannelTest, CancelWritingTheCounterEndsTheAcknowledgeWait) {
    ASSERT_TRUE(peer.start(kPort, PtyPeer::answer(0x85, {})));
    TickClock slowClock(1s);
    ASSERT_EQ(OpenRamChannel(kPort), kSerialOk);
    SendRamCommand(0x85);
    QTimer::singleShot(30ms, &slowClock, [&] { slowClock.setTicks(1000); });
    const auto start = platform::monotonic_ms();
    EXPECT_FALSE(WaitForAck(300, slowClock));
    EXPECT_LT(platform::monotonic_ms() - start, 900);
}

class PacketReceiverTest : public RamChannelTest {
  protected:
    void SetUp() override {
        RamChannelTest::SetUp();
        ASSERT_TRUE(peer.start(kPort, PtyPeer::answer(0x85, {})));
        ASSERT_EQ(OpenRamChannel(kPort), kSerialOk);
    }
    bool sendAndWait(const Bytes& bytes, int tickLimit = 10) {
        peer.send(bytes);
        return WaitForUtilityPacket(tickLimit, clock, packet);
    }
    RamUtilityPacket packet;
};

TEST_F(PacketReceiverTest, StatusBytesAndJunkOutsideAPacket) {
    EXPECT_FALSE(sendAndWait({0x81}, 3));
    EXPECT_EQ(packet.Code, 0x81);
    EXPECT_FALSE(packet.InPacket);
    EXPECT_FALSE(sendAndWait({0x80}, 3)) << "a status byte does not end the wait";
    EXPECT_EQ(packet.Code, 0x80);
    EXPECT_FALSE(sendAndWait({0x42}, 3));
    EXPECT_EQ(packet.Code, 0x00);
}

TEST_F(PacketReceiverTest, PacketAfterJunkWithStartByteInsideItsData) {
    ASSERT_TRUE(sendAndWait(
        {0x42, 0x81, 0x7F, 0x04, 0xB9, 0x01, 0x7F, 0x03, 0x04, 0x01 ^ 0x7F ^ 0x03 ^ 0x04}));
    EXPECT_EQ(packet.Code, 0xB9);
    EXPECT_EQ(packet.DataLength, 4);
    EXPECT_EQ(Bytes(packet.Data.begin(), packet.Data.begin() + 4), (Bytes{0x01, 0x7F, 0x03, 0x04}));
    EXPECT_TRUE(packet.InPacket) << "left for the caller to clear";
    EXPECT_EQ(packet.TotalLength, 0);
}

TEST_F(PacketReceiverTest, PacketWhoseBodyArrivesLater) {
    QTimer::singleShot(60ms, &clock, [&] { peer.send({0x05, 0x06, 0x05 ^ 0x06}); });
    ASSERT_TRUE(sendAndWait({0x7F, 0x02, 0xD3}));
    EXPECT_EQ(packet.Code, 0xD3);
    EXPECT_EQ(packet.Data[1], 0x06);
}

TEST_F(PacketReceiverTest, WrongCheckByteLeavesTheWaitToRunOut) {
    const auto start = platform::monotonic_ms();
    EXPECT_FALSE(sendAndWait({0x7F, 0x02, 0xB9, 0x10, 0x20, 0x31}, 5));
    EXPECT_GE(platform::monotonic_ms() - start, 5 * 20 - 2);
    EXPECT_NE(packet.Code, 0xB9);
    // The next wait starts afresh at the next start byte.
    ASSERT_TRUE(sendAndWait({0x7F, 0x01, 0x55, 0x09, 0x09}));
    EXPECT_EQ(packet.Code, 0x55);
    EXPECT_EQ(packet.Data[0], 0x09);
}

TEST_F(PacketReceiverTest, LengthAboveWhatFitsIsNotAPacket) {
    ASSERT_TRUE(sendAndWait({0x7F, 0xFC, 0x00, 0x01, 0x7F, 0x02, 0xD3, 0x05, 0x06, 0x03}));
    EXPECT_EQ(packet.Code, 0xD3);
    EXPECT_EQ(packet.DataLength, 2);
}

TEST_F(PacketReceiverTest, LargestPacketThatFits) {
    Bytes bytes{0x7F, 251, 0xA0};
    std::uint8_t check = 0;
    for (int i = 0; i < 251; ++i) {
        bytes.push_back(static_cast<std::uint8_t>(i));
        check ^= static_cast<std::uint8_t>(i);
    }
    bytes.push_back(check);
    ASSERT_TRUE(sendAndWait(bytes));
    EXPECT_EQ(packet.DataLength, 251);
    EXPECT_EQ(packet.Data[250], 250);
}

}  // namespace
}  // namespace zav::app
