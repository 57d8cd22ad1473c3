#include "packet_log_format.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "vlp_frame.h"

using namespace zav::link;
using Bytes = std::vector<std::uint8_t>;

namespace {

using zav::vlp::frame_of;
using zav::vlp::stuffed;

std::string hex(std::uint8_t b) {
    char s[3];
    std::snprintf(s, sizeof s, "%02x", b);
    return s;
}

std::string transmit(const Bytes& frame) {
    return frame_block(FrameDirection::Transmit, 0, stuffed(frame), frame, false);
}

std::string receive(const Bytes& frame, bool after_poll) {
    return frame_block(FrameDirection::Receive, 12, frame, frame, after_poll);
}

}  // namespace

TEST(PacketLogFormat, SyncCommandMatchesTheReferenceExample) {
    const std::string expected =
        "--------------------------------------------------------------------------------\n"
        "Packet sequence number: 0 Datestamp: 12/07/26 01:02:03\n"
        "Transmit packet:      +0 ms\n"
        "[7f 80 01 11 65 82 ]\n"
        "Start byte:         7f\n"
        "Address/seq byte:   80\n"
        "Data length:        01\n"
        "Command:            11 SYNC\n"
        "No data in packet\n"
        "CRCL:               65\n"
        "CRCH:               82\n";
    EXPECT_EQ(transmit_header(0, {2026, 12, 7, 1, 2, 3}) + transmit(frame_of(0x80, {0x11})),
              expected);
}

TEST(PacketLogFormat, CommandNamesAndParameters) {
    EXPECT_STREQ(command_name(0x30), " EXPANSION COMMAND");
    EXPECT_STREQ(command_name(0x0B), " UNKNOWN COMMAND");
    const std::string text = transmit(frame_of(0x00, {0x0B, 0x03, 0xA0}));
    EXPECT_NE(text.find("Command:            0b UNKNOWN COMMAND\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Command Data:       03,a0,\n"), std::string::npos) << text;
}

TEST(PacketLogFormat, ReplyWithAndWithoutData) {
    const Bytes reply = frame_of(0x80, {0xF0});
    EXPECT_EQ(receive(reply, false),
              "Received packet:      +12 ms\n"
              "[7f 80 01 f0 " +
                  hex(reply[4]) + " " + hex(reply[5]) +
                  " ]\n"
                  "Start byte:         7f\n"
                  "Address/seq byte:   80\n"
                  "Data length:        01\n"
                  "Generic reply:      f0\n"
                  "No data in packet\n"
                  "CRCL:               " +
                  hex(reply[4]) +
                  "\n"
                  "CRCH:               " +
                  hex(reply[5]) + "\n");
    const std::string text = receive(frame_of(0x00, {0xF0, 0x01, 0xFE}), false);
    EXPECT_NE(text.find("Reply Data:         01,fe,\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("Event data"), std::string::npos);
}

TEST(PacketLogFormat, PollEventsAfterAPoll) {
    const std::string text = receive(frame_of(0x80, {0xF0, 0xEF, 0x03}), true);
    EXPECT_NE(text.find("Reply Data:         ef,03, Event data: READ NOTE 3,\n"), std::string::npos)
        << text;
    const Bytes events = {0xCC, 0xE7, 0xE1, 200, 0x00, 0xF1, 0xEE};
    EXPECT_EQ(poll_events(events),
              "STACKING,STACKER FULL, NOTE CLEARED FRONT 200,UNKNOWN EVENT,SLAVE RESET,CREDIT ,");
}

TEST(PacketLogFormat, StuffedFrameIsDumpedWholeAndDecodedUnstuffed) {
    const Bytes frame = frame_of(0x00, {0x30, 0x7F, 0x01});
    const std::string text = transmit(frame);
    // The dump shows all 9 wire bytes (8 + the doubled 0x7F) ...
    std::string dump = "[";
    for (auto b : stuffed(frame)) dump += hex(b) + " ";
    EXPECT_NE(text.find(dump + "]\n"), std::string::npos) << text;
    // ... while the fields come from the frame before stuffing.
    EXPECT_NE(text.find("Command Data:       7f,01,\n"), std::string::npos) << text;
    EXPECT_NE(text.find("CRCL:               " + hex(frame[6]) +
                        "\nCRCH:               " + hex(frame[7]) + "\n"),
              std::string::npos)
        << text;
}

TEST(PacketLogFormat, RawBlockShorterThanItsLengthByteStaysInBounds) {
    // A raw download block decoded as if it were a frame: length byte 0x40
    // but only 6 bytes present.
    const Bytes block = {0x62, 0x00, 0x40, 0x11, 0x22, 0x33};
    const std::string text = transmit(block);
    EXPECT_NE(text.find("Command Data:       22,33,\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("CRCL"), std::string::npos) << text;
}
