// Unloading the library with a port open stops the reader thread and
// releases the device: loaded again, the library opens the same port and
// talks to the validator.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "ZavtekVLP.h"
#include "pty_peer.h"
#include "zav/platform/shared_library.h"

using zav::link::test::PtyPeer;

namespace {

constexpr int kPort = 109;

// One load of the library and the calls this test needs.
struct LoadedLibrary {
    zav::platform::SharedLibrary library;
    decltype(&OpenPort) open_port = nullptr;
    decltype(&Command) command = nullptr;
    decltype(&SetBaud) set_baud = nullptr;
    decltype(&GetBaud) get_baud = nullptr;

    bool load() {
        const char* dist = std::getenv("ZAV_DIST_DIR");
        if (!dist || !library.load(std::string(dist) + "/libZavtekVLP.so")) return false;
        open_port = reinterpret_cast<decltype(open_port)>(library.symbol("OpenPort"));
        command = reinterpret_cast<decltype(command)>(library.symbol("Command"));
        set_baud = reinterpret_cast<decltype(set_baud)>(library.symbol("SetBaud"));
        get_baud = reinterpret_cast<decltype(get_baud)>(library.symbol("GetBaud"));
        return open_port && command && set_baud && get_baud;
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
    PtyPeer peer;
    ASSERT_TRUE(peer.start(kPort));
    for (int round = 0; round < 3; ++round) {
        LoadedLibrary lib;
        ASSERT_TRUE(lib.load()) << lib.library.error();
        EXPECT_EQ(lib.get_baud(), 9600);  // fresh state: the last load really went
        ASSERT_EQ(lib.open_port(kPort), 1);
        EXPECT_EQ(lib.sync(), 1);
        EXPECT_EQ(lib.set_baud(19200), 1);
        lib.library.release();  // port still open: unloading closes it
    }
    EXPECT_EQ(peer.frame_count(), 3u);
}
