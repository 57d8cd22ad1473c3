// Unloading the library with a port open stops the reader thread and
// releases the device: loaded again, the library opens the same port and
// talks to the validator.
#include <gtest/gtest.h>

#include "ZavtekVLP.h"
#include "zav/test/loaded_library.h"
#include "zav/test/pty_peer.h"

using zav::test::FramePeer;

namespace {

constexpr int kPort = 109;

// One load of the library and the calls this test needs.
struct LinkLibrary : zav::test::LoadedLibrary {
    decltype(&OpenPort) open_port = nullptr;
    decltype(&Command) command = nullptr;
    decltype(&SetBaud) set_baud = nullptr;
    decltype(&GetBaud) get_baud = nullptr;

    bool load() {
        return LoadedLibrary::load("libZavtekVLP.so") && bind(open_port, "OpenPort") &&
               bind(command, "Command") && bind(set_baud, "SetBaud") && bind(get_baud, "GetBaud");
    }

    std::uint16_t sync() {
        LinkPacket c{}, r{};
        c.length = 1;
        c.data[0] = 0x11;
        command(&r, &c);
        return r.status;
    }
};

}  // namespace

TEST(Unload, StopsTheReaderAndReleasesThePort) {
    FramePeer peer;
    ASSERT_TRUE(peer.start(kPort));
    for (int round = 0; round < 3; ++round) {
        LinkLibrary lib;
        ASSERT_TRUE(lib.load()) << lib.error();
        EXPECT_EQ(lib.get_baud(), 9600);  // fresh state: the last load really went
        ASSERT_EQ(lib.open_port(kPort), 1);
        EXPECT_EQ(lib.sync(), 1);
        EXPECT_EQ(lib.set_baud(19200), 1);
        lib.release();  // port still open: unloading closes it
    }
    EXPECT_EQ(peer.frame_count(), 3u);
}
