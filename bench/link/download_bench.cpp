// Download time of a 32 KiB RAM-only image (a RAM utility) through the
// simulator emulating the wire time of 38400 baud at 11 bits a byte,
// beside the wire-time floor: every byte the download puts on the line, in
// either direction, sent back to back at that rate. Also the CPU time the
// process spends per download, which shows that the waits block.
//   link_download_bench [runs]   (default 3; each takes about 10 s)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "ZavtekVLP.h"
#include "vlp_frame.h"
#include "zav/sim/simulator.h"
#include "zav/sim/stand_in_image.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kSimPort = 115;
constexpr std::uint32_t kWireBaud = 38400;
constexpr double kBitsPerByte = 11;
constexpr std::size_t kImageSize = 32 * 1024;
constexpr std::size_t kHeaderSize = 128;
constexpr double kTarget = 1.15;

// Wire length of a frame with these data bytes (stuffing counted).
std::size_t frame_bytes(std::uint8_t addr_seq, const std::vector<std::uint8_t>& data) {
    return zav::vlp::wire_frame(addr_seq, data).size();
}

// Every byte of the download on the line: SYNC, program command and header
// frames with their 0xF0 replies (sequence bits 1, 0, 1), the RAM program,
// and the checksum echo.
std::size_t download_bytes(const std::vector<std::uint8_t>& image) {
    const std::vector<std::uint8_t> ok = {0xF0};
    const std::vector<std::uint8_t> header(image.begin(), image.begin() + kHeaderSize);
    return frame_bytes(0x80, {0x11}) + frame_bytes(0x80, ok) + frame_bytes(0x00, {0x0B, 0x03}) +
           frame_bytes(0x00, ok) + frame_bytes(0x80, header) + frame_bytes(0x80, ok) +
           (image.size() - kHeaderSize) + 1;
}

double cpu_seconds() {
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

struct Run {
    double seconds = 0;
    double cpu_seconds = 0;
    bool ok = false;
};

Run download_once(const std::string& file) {
    zav::sim::Simulator sim(zav::sim::Options{"TM6", kWireBaud});
    std::string error;
    if (!sim.start(&error)) {
        std::fprintf(stderr, "simulator: %s\n", error.c_str());
        std::exit(1);
    }
    sim.export_port(kSimPort);
    const double cpu_start = cpu_seconds();
    const auto start = Clock::now();
    Run run;
    if (DownloadRamFile(file.c_str(), kSimPort) >= ZAV_DOWNLOAD_DONE) return run;
    // Polled as the program's timer polls it, but every 10 ms, to time the end.
    std::int32_t value = GetRamDownloadData();
    while (value < ZAV_DOWNLOAD_DONE) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        value = GetRamDownloadData();
    }
    run.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    run.cpu_seconds = cpu_seconds() - cpu_start;
    run.ok = value == ZAV_DOWNLOAD_DONE;
    return run;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    SetMessageMode(0);

    const std::vector<std::uint8_t> image =
        zav::sim::stand_in_image("TM6", static_cast<std::uint32_t>(kImageSize - kHeaderSize));
    const std::string file = std::filesystem::temp_directory_path() / "zav_download_bench.rx1";
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(image.data()),
               static_cast<std::streamsize>(image.size()));

    const std::size_t bytes = download_bytes(image);
    const double floor = static_cast<double>(bytes) * kBitsPerByte / kWireBaud;
    std::printf("download of a %zu-byte RAM-only image, simulator TM6, wire time of %u baud\n",
                image.size(), kWireBaud);
    std::printf("  floor: %zu bytes on the line at %.0f bits a byte: %.3f s\n", bytes, kBitsPerByte,
                floor);

    std::vector<double> seconds;
    for (int i = 0; i < runs; ++i) {
        const Run run = download_once(file);
        if (!run.ok) {
            std::fprintf(stderr, "download %d failed\n", i + 1);
            std::filesystem::remove(file);
            return 1;
        }
        std::printf("  run %d: %.3f s (%.3f x floor), CPU %.3f s\n", i + 1, run.seconds,
                    run.seconds / floor, run.cpu_seconds);
        seconds.push_back(run.seconds);
    }
    std::filesystem::remove(file);
    std::sort(seconds.begin(), seconds.end());
    const double ratio = seconds[seconds.size() / 2] / floor;
    std::printf("  median ratio download / floor: %.3f (target at most %.2f)\n", ratio, kTarget);
    return ratio <= kTarget ? 0 : 2;
}
