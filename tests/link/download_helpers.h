#pragma once
// Helpers of the download tests that drive the exported calls: image files,
// polling a status call as the program's timer does, and the state every
// transfer must leave behind.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "ZavtekVLP.h"
#include "zav/test/wait_until.h"

namespace zav::link::test {

// Writes bytes to a file of this process in the temporary directory.
inline std::string write_image_file(const std::string& name,
                                    const std::vector<std::uint8_t>& bytes) {
    const std::string path =
        std::filesystem::temp_directory_path() / (std::to_string(::getpid()) + "_" + name);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return path;
}

// Polls a status call, as the program's timer does, until it reports an
// end (ZAV_DOWNLOAD_DONE or
// above) or ms pass. Returns the last value and the
// milliseconds it took.
inline std::pair<std::int32_t, std::int64_t> wait_download(std::int32_t (*status)(), int ms) {
    const auto start = std::chrono::steady_clock::now();
    std::int32_t value = status();
    zav::test::waitUntil([&] { return (value = status()) >= ZAV_DOWNLOAD_DONE; },
                         std::chrono::milliseconds(ms));
    const auto took = std::chrono::steady_clock::now() - start;
    return {value, std::chrono::duration_cast<std::chrono::milliseconds>(took).count()};
}

// The link status of a SYNC sent through Command (0 while no port is open).
inline std::uint16_t sync_status() {
    LinkPacket c{}, r{};
    c.length = 1;
    c.data[0] = 0x11;
    Command(&r, &c);
    return r.status;
}

// What every transfer leaves behind: no port, 9600 baud, no address
// override (callers set one beforehand).
inline void expect_idle_link() {
    EXPECT_EQ(sync_status(), 0) << "the port is still open";
    EXPECT_EQ(GetBaud(), 9600);
    EXPECT_EQ(GetDownloadVLPAddress(), 0);
}

}  // namespace zav::link::test
