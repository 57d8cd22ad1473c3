// Loader echoes that come late or never, against the simulated validator:
// the 10-second limit of the RAM checksum echo.
#include <gtest/gtest.h>

#include <cstdlib>

#include "ZavtekVLP.h"
#include "download_helpers.h"
#include "zav/sim/simulator.h"

using namespace zav::link::test;
using zav::sim::Fault;

namespace {

constexpr int kPort = 114;

std::int64_t run_download(Fault echo_fault, std::int32_t* result) {
    zav::sim::Simulator sim(zav::sim::Options{"RX5", 0});
    std::string error;
    EXPECT_TRUE(sim.start(&error)) << error;
    sim.export_port(kPort);
    sim.set_fault(zav::sim::kLoaderEcho, echo_fault);
    const char* dist = std::getenv("ZAV_DIST_DIR");
    const std::string file = std::string(dist ? dist : ".") + "/simulator/RX5_ram_ut.rx1";
    EXPECT_LT(DownloadRamFile(file.c_str(), kPort), ZAV_DOWNLOAD_DONE);
    const auto [value, ms] = wait_download(GetRamDownloadData, 15000);
    *result = value;
    return ms;
}

}  // namespace

TEST(DownloadEchoLimit, MissingEchoFailsAfterTenSeconds) {
    SetMessageMode(0);
    Fault silent;
    silent.kind = Fault::Kind::NoReply;
    std::int32_t result = 0;
    const std::int64_t ms = run_download(silent, &result);
    EXPECT_EQ(result, 0x100010);
    EXPECT_GE(ms, 10000);
    EXPECT_LT(ms, 11500);
    expect_idle_link();
}

TEST(DownloadEchoLimit, SlowEchoWithinTheLimitIsTaken) {
    SetMessageMode(0);
    Fault slow;
    slow.kind = Fault::Kind::Delay;
    slow.delay_ms = 3000;
    std::int32_t result = 0;
    const std::int64_t ms = run_download(slow, &result);
    EXPECT_EQ(result, ZAV_DOWNLOAD_DONE);
    EXPECT_GE(ms, 3000);
    expect_idle_link();
}
