#include "zav/platform/serial_device.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

#include <thread>

using namespace zav::platform;

namespace {

struct Pty {
    Pty() {
        master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
        grantpt(master);
        unlockpt(master);
        slave_path = ptsname(master);
    }
    ~Pty() { close(master); }
    int master;
    std::string slave_path;
};

}  // namespace

TEST(SerialDevice, PseudoTerminalOpensAndTakesLineSettings) {
    Pty pty;
    SerialDevice dev;
    ASSERT_TRUE(dev.open(pty.slave_path));
    EXPECT_TRUE(dev.set_dtr(true));  // no modem lines: not a failure
    ASSERT_TRUE(dev.apply({38400, 8, Parity::None, 2}));
    LineSettings back;
    ASSERT_TRUE(dev.read_settings(&back));
    EXPECT_EQ(back.baud, 38400u);
    EXPECT_EQ(back.data_bits, 8);
    EXPECT_EQ(back.parity, Parity::None);
    EXPECT_EQ(back.stop_bits, 2);

    // A pseudo-terminal always reports 8 data bits without parity, so only
    // the rate and the stop bits can be read back here.
    ASSERT_TRUE(dev.apply({9600, 7, Parity::Even, 1}));
    ASSERT_TRUE(dev.read_settings(&back));
    EXPECT_EQ(back.baud, 9600u);
    EXPECT_EQ(back.stop_bits, 1);
    EXPECT_FALSE(dev.apply({12345, 8, Parity::None, 1}));
    EXPECT_FALSE(baud_supported(12345));
}

TEST(SerialDevice, MissingDeviceAndNonTerminalAreRefused) {
    SerialDevice dev;
    EXPECT_FALSE(dev.open("/dev/does-not-exist"));
    EXPECT_FALSE(dev.open("/dev/null"));
    EXPECT_FALSE(dev.is_open());
}

TEST(SerialDevice, WaitBlocksUntilInputDeadlineOrWaker) {
    Pty pty;
    SerialDevice dev;
    ASSERT_TRUE(dev.open(pty.slave_path));
    ASSERT_TRUE(dev.apply({9600, 8, Parity::None, 1}));

    const auto t0 = monotonic_ms();
    EXPECT_EQ(dev.wait_input(Deadline::after_ms(40)), WaitResult::Timeout);
    EXPECT_GE(monotonic_ms() - t0, 40);

    // The waker fires while the wait runs.
    Waker waker;
    std::thread t([&] {
        sleep_ms(20);
        waker.wake();
    });
    EXPECT_EQ(dev.wait_input(Deadline::after_ms(5000), &waker), WaitResult::Woken);
    t.join();
    waker.clear();

    const std::uint8_t bytes[] = {0x7F, 0x80, 0x01};
    ASSERT_EQ(write(pty.master, bytes, sizeof bytes), 3);
    EXPECT_EQ(dev.wait_input(Deadline::after_ms(1000), &waker), WaitResult::Ready);
    EXPECT_EQ(dev.input_queued(), 3);
    std::uint8_t got[8];
    EXPECT_EQ(dev.read_some(got, sizeof got), 3);
    EXPECT_EQ(got[0], 0x7F);
    EXPECT_EQ(dev.read_some(got, sizeof got), 0);  // nothing queued: no block

    EXPECT_EQ(dev.write_all(bytes, 3, Deadline::after_ms(1000)), 3u);
    EXPECT_TRUE(dev.wait_output_drained(Deadline::after_ms(1000)));
    pollfd p{pty.master, POLLIN, 0};
    ASSERT_EQ(poll(&p, 1, 1000), 1);
    EXPECT_EQ(read(pty.master, got, sizeof got), 3);
}

TEST(SerialDevice, ClosedDeviceCanBeOpenedAgain) {
    Pty pty;
    SerialDevice dev;
    ASSERT_TRUE(dev.open(pty.slave_path));
    EXPECT_TRUE(dev.close());
    EXPECT_TRUE(dev.open(pty.slave_path));
}
