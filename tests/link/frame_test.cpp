#include <gtest/gtest.h>

#include <vector>

#include "vlp_frame.h"

using namespace zav::vlp;
using Bytes = std::vector<std::uint8_t>;

TEST(Crc, CheckValueAndSyncFrame) {
    const std::uint8_t check[] = {'1', '2', '3', '4', '5', '6', '7', '8', '9'};
    EXPECT_EQ(crc16(check, sizeof check), 0xAEE7);
    EXPECT_EQ(frame_of(0x80, {0x11}), (Bytes{0x7F, 0x80, 0x01, 0x11, 0x65, 0x82}));
}

TEST(Stuffing, DoublesEveryInnerStartByteButNotTheFirst) {
    const Bytes frame = frame_of(0x00, {0x7F, 0x01});
    const Bytes wire = stuffed(frame);
    ASSERT_EQ(wire.size(), frame.size() + 1);
    EXPECT_EQ(wire[0], 0x7F);
    EXPECT_EQ(wire[3], 0x7F);
    EXPECT_EQ(wire[4], 0x7F);
    // The largest frame made only of start bytes still fits the bound.
    const Bytes worst = frame_of(0x7F, Bytes(kMaxDataLength, 0x7F));
    EXPECT_LE(stuffed(worst).size(), kMaxStuffedLength);
}

TEST(Stuffing, CrcByteOfStartValueIsDoubledAndReceivedBack) {
    // Find a one-byte command whose CRC contains 0x7F.
    Bytes frame;
    for (int code = 0; code < 256 && frame.empty(); ++code) {
        Bytes f = frame_of(0x00, {static_cast<std::uint8_t>(code)});
        if (f[3] != 0x7F && (f[4] == 0x7F || f[5] == 0x7F)) frame = f;
    }
    ASSERT_FALSE(frame.empty());
    const Bytes wire = stuffed(frame);
    EXPECT_EQ(wire.size(), frame.size() + 1);

    FrameReceiver rx;
    FrameReceiver::Event last = FrameReceiver::Event::None;
    for (auto b : wire) last = rx.push(b);
    ASSERT_EQ(last, FrameReceiver::Event::Frame);
    EXPECT_EQ(Bytes(rx.frame(), rx.frame() + rx.frame_length()), frame);
}

TEST(Receiver, UnstuffsDataAndIgnoresNoiseBetweenFrames) {
    const Bytes frame = frame_of(0x80, {0xF0, 0x7F, 0x7F, 0x10});
    Bytes wire = {0x00, 0x55, 0xAA};  // junk before the frame
    const Bytes body = stuffed(frame);
    wire.insert(wire.end(), body.begin(), body.end());

    FrameReceiver rx;
    int frames = 0;
    for (auto b : wire) frames += rx.push(b) == FrameReceiver::Event::Frame;
    ASSERT_EQ(frames, 1);
    EXPECT_EQ(rx.data_length(), 4);
    EXPECT_EQ(rx.data()[1], 0x7F);
    EXPECT_EQ(rx.data()[2], 0x7F);
    EXPECT_EQ(rx.address_sequence(), 0x80);
}

TEST(Receiver, BadCrcIsReportedAndOverlongLengthWaitsForNextStart) {
    Bytes frame = frame_of(0x00, {0xF0});
    frame.back() ^= 0x01;
    FrameReceiver rx;
    FrameReceiver::Event last{};
    for (auto b : stuffed(frame)) last = rx.push(b);
    EXPECT_EQ(last, FrameReceiver::Event::BadCrc);

    // A length byte of 251 must not start a frame the buffer cannot hold;
    // 300 bytes of filler later, a valid frame is still found.
    Bytes wire = {0x7F, 0x80, 251};
    wire.insert(wire.end(), 300, 0x11);
    const Bytes good = stuffed(frame_of(0x80, {0xF0}));
    wire.insert(wire.end(), good.begin(), good.end());
    int frames = 0;
    for (auto b : wire) frames += rx.push(b) == FrameReceiver::Event::Frame;
    EXPECT_EQ(frames, 1);
}

TEST(Receiver, LargestFrameRoundTrips) {
    Bytes data(kMaxDataLength);
    for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<std::uint8_t>(i * 7);
    const Bytes frame = frame_of(0x05, data);
    FrameReceiver rx;
    FrameReceiver::Event last{};
    for (auto b : stuffed(frame)) last = rx.push(b);
    ASSERT_EQ(last, FrameReceiver::Event::Frame);
    EXPECT_EQ(rx.frame_length(), kMaxFrameLength);
    EXPECT_EQ(Bytes(rx.frame(), rx.frame() + rx.frame_length()), frame);
}
