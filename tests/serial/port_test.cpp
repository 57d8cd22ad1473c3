// Opening ports by number, the port table and active port, and raw byte I/O.
#include <stdlib.h>
#include <termios.h>

#include <thread>

#include "serial_fixture.h"
#include "test_port.h"
#include "zav/platform/clock.h"

namespace zav::serial::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

bool two_stop_bits(const termios& t) {
    return (t.c_cflag & CSTOPB) != 0;
}

termios line_at_9600(const TestPort& port) {
    termios t = port.line();
    cfsetispeed(&t, B9600);
    cfsetospeed(&t, B9600);
    t.c_cflag &= ~CSTOPB;
    return t;
}

using PortTable = SerialLibraryTest;

TEST_F(PortTable, AdvancedOpenSetsTheLineAndASecondCallKeepsThePortAsItIs) {
    TestPort port(101);
    ASSERT_EQ(OpenPortAdvanced(101, 38400, 3, 3), ZAV_SERIAL_OK);
    const termios t = port.line();
    EXPECT_EQ(cfgetospeed(&t), speed_t{B38400});
    EXPECT_EQ(t.c_cflag & CSIZE, tcflag_t{CS8});
    EXPECT_EQ(t.c_cflag & PARENB, 0u);
    EXPECT_TRUE(two_stop_bits(t));

    // Not reopened: the line keeps what it has now and queued input stays.
    port.set_line(line_at_9600(port));
    port.send({1, 2});
    ASSERT_TRUE(port.delivered(2));
    ASSERT_EQ(OpenPortAdvanced(101, 38400, 3, 3), ZAV_SERIAL_OK);
    const termios after = port.line();
    EXPECT_EQ(cfgetospeed(&after), speed_t{B9600});
    EXPECT_EQ(queue_length(), 2);
    // That call leaves no active port number, so packet calls refuse.
    CCTPacket packet{};
    EXPECT_EQ(SendCCTPacket(&packet), ZAV_SERIAL_NOT_OPEN);
}

TEST_F(PortTable, OpensKeepTheDriversHardwareFlowControl) {
    for (const bool rts_cts : {true, false}) {
        SCOPED_TRACE(rts_cts);
        TestPort port(106);
        termios t = port.line();
        t.c_cflag = rts_cts ? (t.c_cflag | CRTSCTS) : (t.c_cflag & ~CRTSCTS);
        port.set_line(t);
        ASSERT_EQ(OpenPortAdvanced(106, 38400, 3, 3), ZAV_SERIAL_OK);
        const termios advanced = port.line();
        EXPECT_EQ((advanced.c_cflag & CRTSCTS) != 0, rts_cts);
        EXPECT_EQ(cfgetospeed(&advanced), speed_t{B38400});
        EXPECT_TRUE(two_stop_bits(advanced));
        ClosePort();

        ASSERT_EQ(OpenPort(106, 9600), ZAV_SERIAL_OK);
        const termios plain = port.line();
        EXPECT_EQ((plain.c_cflag & CRTSCTS) != 0, rts_cts);
        ClosePort();
    }
}

TEST_F(PortTable, PlainOpenUsesOneStopBitAndDrainsStaleInput) {
    TestPort port(102);
    port.set_line([&] {
        termios t = port.line();
        t.c_cflag |= CSTOPB;
        return t;
    }());
    port.send({9, 9, 9});
    ASSERT_TRUE(port.delivered(3));
    ASSERT_EQ(OpenPort(102, 9600), ZAV_SERIAL_OK);
    const termios t = port.line();
    EXPECT_EQ(cfgetospeed(&t), speed_t{B9600});
    EXPECT_FALSE(two_stop_bits(t));
    EXPECT_EQ(queue_length(), 0);
}

TEST_F(PortTable, MissingDeviceReturns4AndTheNextAttemptOpensAgain) {
    setenv("ZAV_COM103", "/dev/zav-no-such-port", 1);
    EXPECT_EQ(OpenPort(103, 9600), ZAV_SERIAL_CANNOT_OPEN);
    EXPECT_EQ(OpenPortAdvanced(103, 38400, 3, 3), ZAV_SERIAL_CANNOT_OPEN);
    EXPECT_EQ(send({1}), ZAV_SERIAL_WRITE_FAILED);  // nothing active

    TestPort port(103);
    ASSERT_EQ(OpenPort(103, 9600), ZAV_SERIAL_OK);
    EXPECT_EQ(send({0x42}), ZAV_SERIAL_OK);
    EXPECT_EQ(port.receive_for(200), Bytes{0x42});
}

TEST_F(PortTable, BadPortNumbersAndUnknownCodesOpenNothing) {
    EXPECT_EQ(OpenPort(-1, 9600), ZAV_SERIAL_CANNOT_OPEN);
    EXPECT_EQ(OpenPort(-128, 9600), ZAV_SERIAL_CANNOT_OPEN);
    EXPECT_EQ(OpenPort(0, 9600), ZAV_SERIAL_CANNOT_OPEN);

    TestPort port(104);
    port.set_line(line_at_9600(port));
    for (const auto& [parity, stop] : {std::pair{0, 3}, {6, 3}, {-1, 3}, {3, 2}, {3, 0}, {1, 4}}) {
        EXPECT_EQ(OpenPortAdvanced(104, 38400, parity, stop), ZAV_SERIAL_BAD_LINE_SETTINGS)
            << parity << "," << stop;
    }
    termios t = port.line();
    EXPECT_EQ(cfgetospeed(&t), speed_t{B9600});
    EXPECT_EQ(send({1}), ZAV_SERIAL_WRITE_FAILED);

    // Still closed, so a good call opens and sets it (even parity, 1 stop).
    ASSERT_EQ(OpenPortAdvanced(104, 38400, 1, 1), ZAV_SERIAL_OK);
    t = port.line();
    EXPECT_EQ(cfgetospeed(&t), speed_t{B38400});
    EXPECT_FALSE(two_stop_bits(t));
}

TEST_F(PortTable, RefusedBaudRateLeavesTheDeviceOpenUntilClosed) {
    TestPort port(105);
    EXPECT_EQ(OpenPort(105, 12345), ZAV_SERIAL_BAD_LINE_SETTINGS);
    EXPECT_EQ(send({0x55}), ZAV_SERIAL_OK);
    EXPECT_EQ(port.receive_for(200), Bytes{0x55});
    ClosePort();
    EXPECT_EQ(OpenPort(105, -9600), ZAV_SERIAL_BAD_LINE_SETTINGS);
    ClosePort();
    EXPECT_EQ(OpenPort(105, 115200), ZAV_SERIAL_OK);
    const termios t = port.line();
    EXPECT_EQ(cfgetospeed(&t), speed_t{B115200});
}

TEST_F(PortTable, ActivePortSelectsTheDeviceThatCallsUse) {
    TestPort a(106);
    TestPort b(107);
    ASSERT_EQ(OpenPort(106, 9600), ZAV_SERIAL_OK);
    ASSERT_EQ(OpenPort(107, 9600), ZAV_SERIAL_OK);
    EXPECT_EQ(send({0xB0}), ZAV_SERIAL_OK);
    EXPECT_EQ(b.receive_for(200), Bytes{0xB0});

    EXPECT_EQ(SetActivePort(106), 0);
    EXPECT_EQ(send({0xA0}), ZAV_SERIAL_OK);
    EXPECT_EQ(a.receive_for(200), Bytes{0xA0});

    for (const int32_t empty : {108, 1000, -3}) {
        EXPECT_EQ(SetActivePort(empty), 0);
        EXPECT_EQ(send({1}), ZAV_SERIAL_WRITE_FAILED) << empty;
    }

    // Opening an open port while another is active must not disturb the
    // table: port 106 keeps its own device after port 107 is closed.
    SetActivePort(107);
    EXPECT_EQ(OpenPortAdvanced(106, 38400, 3, 3), ZAV_SERIAL_OK);
    ClosePort();
    EXPECT_EQ(SetActivePort(106), 0);
    EXPECT_EQ(send({0xA1}), ZAV_SERIAL_OK);
    EXPECT_EQ(a.receive_for(200), Bytes{0xA1});

    ClosePort();
    EXPECT_EQ(send({1}), ZAV_SERIAL_WRITE_FAILED);
    ClosePort();                                    // nothing active: no effect
    ASSERT_EQ(OpenPort(106, 9600), ZAV_SERIAL_OK);  // reopened from the table's empty entry
}

using RawIo = SerialLibraryTest;

TEST_F(RawIo, BytesGoOutInOrderAndComeBackAsTheyArrive) {
    TestPort port(108);
    ASSERT_EQ(OpenPortAdvanced(108, 38400, 3, 3), ZAV_SERIAL_OK);
    const Bytes out = {0x86, 0x7F, 0x00, 0xFF};
    EXPECT_EQ(send(out), ZAV_SERIAL_OK);
    EXPECT_EQ(port.receive_for(200), out);

    EXPECT_EQ(queue_length(), 0);
    port.send({0x80, 0x81});
    ASSERT_TRUE(port.delivered(2));
    int32_t error = -1;
    EXPECT_EQ(get_length_of_queue(&error), 2);
    EXPECT_EQ(error, 0);
    EXPECT_EQ(get_length_of_queue(nullptr), 2);

    // Bytes that trickle in complete the read well before its time limit.
    // The pauses are the trickle.
    std::thread device([&] {
        platform::sleep_ms(50);
        port.send({0x03});
        platform::sleep_ms(50);
        port.send({0x04});
    });
    std::uint8_t in[4] = {};
    const int32_t wanted = 4;
    const auto t0 = platform::monotonic_ms();
    EXPECT_EQ(read_serial_data(in, &wanted), ZAV_SERIAL_OK);
    EXPECT_LT(platform::monotonic_ms() - t0, 2000);
    device.join();
    EXPECT_EQ(Bytes(in, in + 4), (Bytes{0x80, 0x81, 0x03, 0x04}));
    EXPECT_EQ(wanted, 4);
}

TEST_F(RawIo, CallsWithoutAPortOrWithBadArgumentsFailCleanly) {
    const int32_t none = 0;
    const int32_t one = 1;
    std::uint8_t byte = 0;
    EXPECT_EQ(read_serial_data(&byte, &none), ZAV_SERIAL_OK);
    EXPECT_EQ(read_serial_data(&byte, nullptr), ZAV_SERIAL_TIMEOUT);
    EXPECT_EQ(read_serial_data(nullptr, &one), ZAV_SERIAL_TIMEOUT);
    const int32_t negative = -1;
    EXPECT_EQ(read_serial_data(&byte, &negative), ZAV_SERIAL_WRITE_FAILED);
    EXPECT_EQ(send_serial_data(&byte, 0), ZAV_SERIAL_OK);
    EXPECT_EQ(send_serial_data(&byte, 1), ZAV_SERIAL_WRITE_FAILED);

    int32_t error = 0;
    EXPECT_EQ(get_length_of_queue(&error), 0);
    EXPECT_NE(error, 0);

    TestPort port(109);
    ASSERT_EQ(OpenPort(109, 9600), ZAV_SERIAL_OK);
    EXPECT_EQ(send_serial_data(nullptr, 3), ZAV_SERIAL_WRITE_FAILED);
    EXPECT_EQ(send_serial_data(&byte, -5), ZAV_SERIAL_OK);
    EXPECT_TRUE(port.receive_for(100).empty());
    EXPECT_EQ(GetVersion_ZAVSerial(), 3);
}

}  // namespace
}  // namespace zav::serial::test
