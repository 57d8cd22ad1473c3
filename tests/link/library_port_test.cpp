// The exported calls over a pseudo-terminal with a scripted validator: port
// rules, line settings, messages, bytes on the wire, stored frames, null
// arguments and the address override.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <future>
#include <iterator>
#include <mutex>
#include <regex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "ZavtekVLP.h"
#include "zav/platform/serial_device.h"
#include "zav/test/pty_peer.h"

using zav::test::Bytes;
using zav::test::FramePeer;

namespace {

using Message = std::pair<std::string, std::string>;  // caption, text

std::mutex g_messages_mutex;
std::vector<Message> g_messages;

void record_message(const char* caption, const char* text) {
    std::lock_guard lock(g_messages_mutex);
    g_messages.emplace_back(caption, text);
}

std::vector<Message> take_messages() {
    std::lock_guard lock(g_messages_mutex);
    return std::exchange(g_messages, {});
}

constexpr int kPortA = 103;
constexpr int kPortB = 104;

LinkPacket command(std::vector<std::uint8_t> data, std::uint8_t address = 0) {
    LinkPacket c{};
    c.status = address;
    c.length = static_cast<std::uint8_t>(data.size());
    std::copy(data.begin(), data.end(), c.data);
    return c;
}

std::uint16_t send(std::vector<std::uint8_t> data, LinkPacket* result = nullptr) {
    LinkPacket local{};
    LinkPacket* r = result ? result : &local;
    const LinkPacket c = command(std::move(data));
    Command(r, &c);
    return r->status;
}

template <typename F>
std::int64_t elapsed_ms(F f) {
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                 start)
        .count();
}

class LibraryPortTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(a.start(kPortA));
        ASSERT_TRUE(b.start(kPortB));
        SetMessageHandler(record_message);
        const std::uint8_t quick[] = {1, 1};
        SetRetryParameters(quick);
    }
    void SetUp() override {
        a.set_script(FramePeer::reply({0xF0}));
        b.set_script(FramePeer::reply({0xF0}));
        a.clear();
        b.clear();
        take_messages();
    }
    void TearDown() override {
        SetCloseMode(0);
        CloseComm();
        SetMessageMode(1);
        SetBaud(9600);
        take_messages();
    }
    static FramePeer a, b;
};

FramePeer LibraryPortTest::a, LibraryPortTest::b;

}  // namespace

TEST_F(LibraryPortTest, SecondOpenOfTheSamePortDoesNothing) {
    EXPECT_EQ(OpenPort(kPortA), 1);
    std::int16_t again = 0;
    EXPECT_LT(elapsed_ms([&] { again = OpenPort(kPortA); }), 50);
    EXPECT_EQ(again, 1);
    EXPECT_EQ(send({0x11}), 1);
}

TEST_F(LibraryPortTest, CloseModeDecidesWhetherAnotherPortReplacesTheOpenOne) {
    ASSERT_EQ(OpenPort(kPortA), 1);
    EXPECT_EQ(OpenPort(kPortB), 1);  // close mode off: port A stays
    send({0x11});
    EXPECT_EQ(a.frame_count(), 1u);
    EXPECT_EQ(b.frame_count(), 0u);

    SetCloseMode(1);
    EXPECT_EQ(OpenPort(kPortB), 1);  // close mode on: A closed, B opened
    send({0x11});
    EXPECT_EQ(a.frame_count(), 1u);
    EXPECT_EQ(b.frame_count(), 1u);

    CloseComm();  // close mode on: nothing happens
    EXPECT_EQ(send({0x11}), 1);
    SetCloseMode(0);
    CloseComm();
    EXPECT_EQ(send({0x11}), 0);
    EXPECT_EQ(b.frame_count(), 2u);
}

TEST_F(LibraryPortTest, PortZeroAndNumbersOutOfRange) {
    EXPECT_EQ(CloseComm(), 1);
    EXPECT_EQ(OpenPort(0), 1);  // nothing open, nothing opened
    EXPECT_EQ(send({0x11}), 0);
    EXPECT_EQ(OpenPort(-1), 0);
    EXPECT_EQ(OpenPort(257), 0);
    ASSERT_EQ(OpenPort(kPortA), 1);
    EXPECT_EQ(OpenPort(300), 0);
    EXPECT_EQ(send({0x11}), 1);  // still open
    EXPECT_TRUE(take_messages().empty());
}

TEST_F(LibraryPortTest, PortThatCannotBeOpenedCostsSixAttempts) {
    ::setenv("ZAV_COM120", "/nonexistent/tty", 1);
    std::int16_t result = 1;
    const auto ms = elapsed_ms([&] { result = OpenPort(120); });
    EXPECT_EQ(result, 0);
    EXPECT_GE(ms, 590);
    EXPECT_LT(ms, 1000);
    EXPECT_EQ(take_messages(), (std::vector<Message>{{"COM120", "Unable To open this port"}}));
    EXPECT_EQ(send({0x11}), 0);

    SetMessageMode(0);
    EXPECT_EQ(OpenPort(120), 0);
    EXPECT_TRUE(take_messages().empty());
}

namespace {

// A host whose message box calls back into the library, as a handler that
// ends the conversation (or runs a nested event loop) does.
void close_from_the_message(const char* caption, const char* text) {
    record_message(caption, text);
    CloseComm();
}

// Runs f on a thread of its own; a call that deadlocks cannot be joined,
// so the process ends there with a clear line instead of hanging.
template <typename F>
void within_two_seconds(F f) {
    std::promise<void> done;
    std::future<void> finished = done.get_future();
    std::thread([f, &done] {
        f();
        done.set_value();
    }).detach();
    if (finished.wait_for(std::chrono::seconds(2)) != std::future_status::ready) {
        std::fprintf(stderr, "deadlock: a message handler could not call back into the library\n");
        std::_Exit(1);
    }
}

}  // namespace

TEST_F(LibraryPortTest, MessageHandlerMayCallBackIntoTheLibrary) {
    ::setenv("ZAV_COM121", "/nonexistent/tty", 1);
    SetMessageHandler(close_from_the_message);
    within_two_seconds([] { EXPECT_EQ(OpenPort(121), 0); });
    EXPECT_EQ(take_messages(), (std::vector<Message>{{"COM121", "Unable To open this port"}}));

    // A rejected rate with the port open: the handler closes (already
    // closed) from inside each of the two messages.
    ASSERT_EQ(OpenPort(kPortA), 1);
    within_two_seconds([] { EXPECT_EQ(SetBaud(12345), 0); });
    EXPECT_EQ(take_messages().size(), 2u);
    SetMessageHandler(record_message);

    // The library is still usable.
    EXPECT_EQ(SetBaud(9600), 0);  // no port open
    take_messages();
    EXPECT_EQ(OpenPort(kPortA), 1);
    EXPECT_EQ(send({0x11}), 1);
}

TEST_F(LibraryPortTest, HardwareFlowControlStaysAsTheDriverHasIt) {
    const char* path = std::getenv("ZAV_COM103");
    for (const bool rts_cts : {true, false}) {
        SCOPED_TRACE(rts_cts);
        {
            zav::platform::SerialDevice driver;
            ASSERT_TRUE(driver.open(path));
            zav::platform::LineSettings s;
            ASSERT_TRUE(driver.read_settings(&s));
            s.rts_cts = rts_cts;
            ASSERT_TRUE(driver.apply(s));
        }
        ASSERT_EQ(OpenPort(kPortA), 1);
        zav::platform::SerialDevice view;
        ASSERT_TRUE(view.open(path));
        zav::platform::LineSettings s;
        ASSERT_TRUE(view.read_settings(&s));
        EXPECT_EQ(s.rts_cts, rts_cts);
        EXPECT_EQ(s.stop_bits, 2);
        EXPECT_EQ(SetBaud(19200), 1);
        EXPECT_EQ(SetDTR(1), 1);
        ASSERT_TRUE(view.read_settings(&s));
        EXPECT_EQ(s.rts_cts, rts_cts);
        EXPECT_EQ(s.baud, 19200u);
        CloseComm();
        SetBaud(9600);
        take_messages();
    }
}

TEST_F(LibraryPortTest, LineSettingsOnTheDevice) {
    ASSERT_EQ(OpenPort(kPortA), 1);
    zav::platform::SerialDevice view;
    ASSERT_TRUE(view.open(std::getenv("ZAV_COM103")));
    zav::platform::LineSettings s;
    ASSERT_TRUE(view.read_settings(&s));
    EXPECT_EQ(s.baud, 9600u);
    EXPECT_EQ(s.data_bits, 8);
    EXPECT_EQ(s.parity, zav::platform::Parity::None);
    EXPECT_EQ(s.stop_bits, 2);

    EXPECT_EQ(SetBaud(38400), 1);
    ASSERT_TRUE(view.read_settings(&s));
    EXPECT_EQ(s.baud, 38400u);
    EXPECT_EQ(GetBaud(), 38400);

    EXPECT_EQ(SetDTR(2), 0);
    EXPECT_EQ(SetDTR(1), 1);  // a pty has no modem lines: accepted
    EXPECT_EQ(send({0x11}), 1);
    EXPECT_TRUE(take_messages().empty());
}

TEST_F(LibraryPortTest, RejectedBaudRateClosesThePortAndStaysStored) {
    ASSERT_EQ(OpenPort(kPortA), 1);
    EXPECT_EQ(SetBaud(12345), 0);
    EXPECT_EQ(take_messages(),
              (std::vector<Message>{{"SetupComm", "Error setting new comms params"},
                                    {"Set Comms", "Failed setting comms parameters"}}));
    EXPECT_EQ(send({0x11}), 0);
    EXPECT_EQ(GetBaud(), 12345);
    // The stored rate fails the next open as well.
    EXPECT_EQ(OpenPort(kPortA), 0);
    EXPECT_EQ(take_messages(),
              (std::vector<Message>{{"SetupComm", "Error setting new comms params"},
                                    {"Set Comms", "Failed setting comms parameters"}}));
    // With no port open, applying fails with both messages.
    EXPECT_EQ(SetFastBaud(9600), 0);
    EXPECT_EQ(take_messages(),
              (std::vector<Message>{{"SetupComm", "Error setting new comms params"},
                                    {"Set Comms", "Failed setting commsPD parameters"}}));
    EXPECT_EQ(GetBaud(), 9600);
    EXPECT_EQ(OpenPort(kPortA), 1);
}

TEST_F(LibraryPortTest, BytesOnTheWireAndStoredFrames) {
    ASSERT_EQ(OpenPort(kPortA), 1);
    a.set_script(FramePeer::reply({0xF0, 0x7F, 0x42}));
    LinkPacket r{};
    EXPECT_EQ(send({0x11}, &r), 1);
    EXPECT_EQ(a.wire(), (Bytes{0x7F, 0x80, 0x01, 0x11, 0x65, 0x82}));
    EXPECT_EQ(r.length, 3);
    EXPECT_EQ(Bytes(r.data, r.data + 3), (Bytes{0xF0, 0x7F, 0x42}));

    LinkPacket tx{}, rx{};
    GetLastTxPacket(&tx);
    EXPECT_EQ(Bytes(tx.data, tx.data + tx.length), (Bytes{0x7F, 0x80, 0x01, 0x11, 0x65, 0x82}));
    GetLastRxPacket(&rx);
    ASSERT_EQ(rx.length, 8);
    EXPECT_EQ(Bytes(rx.data, rx.data + 6), (Bytes{0x7F, 0x80, 0x03, 0xF0, 0x7F, 0x42}));

    // Next command: sequence bit clear, and a data byte 0x7F goes out twice.
    a.clear();
    send({0x30, 0x7F});
    const Bytes wire = a.wire();
    ASSERT_GE(wire.size(), 6u);
    EXPECT_EQ(wire[1], 0x00);
    EXPECT_EQ(wire[4], 0x7F);
    EXPECT_EQ(wire[5], 0x7F);
    ASSERT_EQ(a.frames().size(), 1u);
    EXPECT_EQ(a.frames()[0][4], 0x7F);
}

TEST_F(LibraryPortTest, AddressOverrideAndFlipSeq) {
    ASSERT_EQ(OpenPort(kPortA), 1);
    EXPECT_EQ(GetDownloadVLPAddress(), 0);
    SetDownloadVLPAddress(5);
    EXPECT_EQ(GetDownloadVLPAddress(), 5);
    send({0x11});
    SetDownloadVLPAddress(-1);
    EXPECT_EQ(GetDownloadVLPAddress(), 0);
    send({0x11});
    // The reply toggled the bit to 0; FlipSeq sets it again.
    EXPECT_EQ(FlipSeq(), 1);
    send({0x0C});
    ASSERT_EQ(a.frames().size(), 3u);
    EXPECT_EQ(a.frames()[0][1], 0x85);
    EXPECT_EQ(a.frames()[1][1], 0x80);
    EXPECT_EQ(a.frames()[2][1], 0x80);
}

TEST_F(LibraryPortTest, NullArgumentsAreRefused) {
    ASSERT_EQ(OpenPort(kPortA), 1);
    LinkPacket r{};
    const LinkPacket c = command({0x11});
    EXPECT_EQ(Command(nullptr, &c), nullptr);
    EXPECT_EQ(Command(&r, nullptr), &r);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(VLPCommand(&r, nullptr), &r);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(GetLastTxPacket(nullptr), nullptr);
    EXPECT_EQ(GetLastRxPacket(nullptr), nullptr);
    EXPECT_EQ(SetRetryParameters(nullptr), 0);
    EXPECT_EQ(VLPLogFile(nullptr), 0);
    EXPECT_EQ(a.frame_count(), 0u);
}

TEST_F(LibraryPortTest, VLPCommandReadsTheLinkPacketLayout) {
    ASSERT_EQ(OpenPort(kPortA), 1);
    const std::uint8_t raw[] = {0x02, 0xEE, 0x02, 0x0C, 0x01};  // address 2, 2 data bytes
    LinkPacket r{};
    VLPCommand(&r, raw);
    EXPECT_EQ(r.status, 1);
    ASSERT_EQ(a.frames().size(), 1u);
    EXPECT_EQ(a.frames()[0][1], 0x02);
    EXPECT_EQ(a.frames()[0][2], 0x02);
    EXPECT_EQ(a.frames()[0][3], 0x0C);
    EXPECT_EQ(a.frames()[0][4], 0x01);
}

namespace {

std::string read_file(const std::string& path) {
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Date, time and milliseconds differ from run to run.
std::string without_times(std::string text) {
    text = std::regex_replace(text, std::regex(R"(Datestamp: \d\d/\d\d/\d\d \d\d:\d\d:\d\d)"),
                              "Datestamp: <when>");
    return std::regex_replace(text, std::regex(R"(\+\d+ ms)"), "+<ms> ms");
}

}  // namespace

TEST_F(LibraryPortTest, PacketLogFile) {
    const std::string path = ::testing::TempDir() + "link_packet_log.txt";
    std::remove(path.c_str());
    EXPECT_EQ(VLPLogFile("0"), 1);  // already off
    EXPECT_EQ(VLPLogFile("/nonexistent/dir/log.txt"), 0);
    ASSERT_EQ(OpenPort(kPortA), 1);
    ASSERT_EQ(VLPLogFile(path.c_str()), 1);

    send({0x11});
    a.set_script(FramePeer::reply({0xF0, 0xEF, 0x03}));
    send({0x07});
    a.set_script(FramePeer::silent());
    const std::uint8_t one_try[] = {1, 0};
    SetRetryParameters(one_try);
    send({0x0B});
    const std::uint8_t quick[] = {1, 1};
    SetRetryParameters(quick);
    EXPECT_EQ(VLPLogFile("0"), 1);
    send({0x11});  // not logged

    const Bytes sync_reply = zav::vlp::wire_frame(0x80, {0xF0});
    char crc[64];
    std::snprintf(crc, sizeof crc, "%02x %02x ]\nStart", sync_reply[4], sync_reply[5]);
    const std::string text = without_times(read_file(path));
    const std::string dashes(80, '-');
    const std::string expected_start = dashes +
                                       "\n"
                                       "Packet sequence number: 0 Datestamp: <when>\n"
                                       "Transmit packet:      +<ms> ms\n"
                                       "[7f 80 01 11 65 82 ]\n"
                                       "Start byte:         7f\n"
                                       "Address/seq byte:   80\n"
                                       "Data length:        01\n"
                                       "Command:            11 SYNC\n"
                                       "No data in packet\n"
                                       "CRCL:               65\n"
                                       "CRCH:               82\n"
                                       "Received packet:      +<ms> ms\n"
                                       "[7f 80 01 f0 " +
                                       std::string(crc) +
                                       " byte:         7f\n"
                                       "Address/seq byte:   80\n"
                                       "Data length:        01\n"
                                       "Generic reply:      f0\n"
                                       "No data in packet\n";
    EXPECT_EQ(text.substr(0, expected_start.size()), expected_start);
    EXPECT_NE(text.find("   \n" + dashes + "\nPacket sequence number: 1 "), std::string::npos);
    EXPECT_NE(text.find("Command:            07 POLL\n"), std::string::npos);
    EXPECT_NE(text.find("Reply Data:         ef,03, Event data: READ NOTE 3,\n"),
              std::string::npos);
    EXPECT_NE(text.find("Packet sequence number: 2 "), std::string::npos);
    EXPECT_NE(text.find("Command:            0b UNKNOWN COMMAND\n"), std::string::npos);
    EXPECT_NE(text.find("CRCH:               " + std::string(crc).substr(3, 2) + "\n   \n"),
              std::string::npos);
    // The silent validator: one no-reply line, and the file ends there.
    const std::string tail = " << !!! NO REPLY MONITORED !!! >>\n";
    ASSERT_GE(text.size(), tail.size());
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
    EXPECT_EQ(text.find("Packet sequence number: 3 "), std::string::npos);
}
