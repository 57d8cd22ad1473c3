// Unloading the library while a download waits for its echo stops and
// joins the worker at once, and the port is free for the next load.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "ZavtekVLP.h"
#include "test_images.h"
#include "zav/test/loaded_library.h"
#include "zav/test/pty_peer.h"

using zav::test::Bytes;
using zav::test::FramePeer;

namespace {

constexpr int kPort = 112;

// One load of the library and the calls this test needs.
struct LinkLibrary : zav::test::LoadedLibrary {
    decltype(&OpenPort) open_port = nullptr;
    decltype(&Command) command = nullptr;
    decltype(&DownloadRamFile) download_ram_file = nullptr;
    decltype(&GetRamDownloadData) get_ram_download_data = nullptr;
    decltype(&DownloadArrayData) download_array_data = nullptr;
    decltype(&SetDownSpeedFlag) set_down_speed_flag = nullptr;

    bool load() {
        return LoadedLibrary::load("libZavtekVLP.so") && bind(open_port, "OpenPort") &&
               bind(command, "Command") && bind(download_ram_file, "DownloadRamFile") &&
               bind(get_ram_download_data, "GetRamDownloadData") &&
               bind(download_array_data, "DownloadArrayData") &&
               bind(set_down_speed_flag, "SetDownSpeedFlag");
    }
};

}  // namespace

TEST(DownloadUnload, StopsTheWorkerAndFreesThePort) {
    FramePeer peer;
    ASSERT_TRUE(peer.start(kPort));  // answers frames, never echoes
    const Bytes image = zav::link::test::zav_image({.type_letter = 'b', .ram_length = 500});
    const std::string path =
        std::filesystem::temp_directory_path() / (std::to_string(::getpid()) + "_unload.rx1");
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(image.data()),
               static_cast<std::streamsize>(image.size()));

    {
        LinkLibrary lib;
        ASSERT_TRUE(lib.load()) << lib.error();
        ASSERT_LT(lib.download_ram_file(path.c_str(), kPort), ZAV_DOWNLOAD_DONE);
        ASSERT_TRUE(peer.wait_frames(3, 2000));
        EXPECT_LT(lib.get_ram_download_data(), ZAV_DOWNLOAD_DONE);  // waiting for the echo
        const auto start = std::chrono::steady_clock::now();
        lib.release();
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    }
    std::filesystem::remove(path);

    LinkLibrary again;
    ASSERT_TRUE(again.load()) << again.error();
    ASSERT_EQ(again.open_port(kPort), 1);
    LinkPacket c{}, r{};
    c.length = 1;
    c.data[0] = 0x11;
    again.command(&r, &c);
    EXPECT_EQ(r.status, 1);
}

TEST(DownloadUnload, EndsAnOldFormatBlockWaitAtOnce) {
    // The unit answers SYNC and the program command, then stays silent: the
    // first block waits for its reply with T = 6 s, N = 0.
    FramePeer peer;
    ASSERT_TRUE(peer.start(kPort, [](const Bytes& frame) {
        if (frame[3] == 0x11 || frame[3] == 0x0B)
            return zav::vlp::wire_frame(frame[1] & 0x80, {0xF0});
        return Bytes{};
    }));
    const Bytes image = zav::link::test::old_image({.blocks = 3, .flag = 1});
    LinkLibrary lib;
    ASSERT_TRUE(lib.load()) << lib.error();
    lib.set_down_speed_flag(0);
    ASSERT_EQ(lib.download_array_data(image.data(), kPort), 3);
    ASSERT_TRUE(peer.wait_frames(4, 2000));  // SYNC, SYNC, program command, block 0
    const auto start = std::chrono::steady_clock::now();
    lib.release();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(200));
    EXPECT_EQ(peer.frame_count(), 4u);  // nothing sent after the stop
}
