// The program download and the bulk read against the simulated validator:
// each model's stand-in RAM utility from the program directory, another
// model's image, refusals and loader faults, the RAM-then-main,
// reconnecting and old-format transfers, and the state each leaves.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "ZavtekVLP.h"
#include "download_helpers.h"
#include "test_images.h"
#include "zav/sim/simulator.h"
#include "zav/sim/stand_in_image.h"
#include "zav/test/wait_until.h"

using namespace zav::link::test;
using Bytes = std::vector<std::uint8_t>;
using zav::sim::Fault;
using zav::sim::Program;

namespace {

constexpr int kPort = 113;

std::string stand_in_file(const std::string& name) {
    const char* dist = std::getenv("ZAV_DIST_DIR");
    return std::string(dist ? dist : ".") + "/simulator/" + name;
}

Fault fault(Fault::Kind kind, std::uint8_t code = 0, int delay_ms = 0) {
    Fault f;
    f.kind = kind;
    f.code = code;
    f.delay_ms = delay_ms;
    return f;
}

struct DownloadValidatorTest : ::testing::Test {
    static void SetUpTestSuite() { SetMessageMode(0); }
    void SetUp() override { start("TM6"); }
    void TearDown() override { std::filesystem::remove(path); }

    void start(const std::string& model) {
        sim.reset();
        sim = std::make_unique<zav::sim::Simulator>(zav::sim::Options{model, 0});
        std::string error;
        ASSERT_TRUE(sim->start(&error)) << error;
        sim->export_port(kPort);
        SetDownloadVLPAddress(5);  // every transfer must turn it off
    }
    // Waits for the unit to settle into a program after a download.
    bool runs(Program program) {
        return zav::test::waitUntil([&] { return sim->running_program() == program; });
    }

    std::unique_ptr<zav::sim::Simulator> sim;
    std::string path;
};

}  // namespace

TEST_F(DownloadValidatorTest, EachModelRunsItsOwnRamUtility) {
    for (const std::string_view model : zav::sim::models()) {
        start(std::string(model));
        const std::string file = stand_in_file(zav::sim::image_file_name(model));
        ASSERT_TRUE(std::filesystem::exists(file)) << file;
        EXPECT_EQ(DownloadRamFile(file.c_str(), kPort),
                  static_cast<std::int32_t>(zav::sim::kStandInProgramLength / 128))
            << model;
        EXPECT_EQ(wait_download(GetRamDownloadData, 5000).first, ZAV_DOWNLOAD_DONE) << model;
        EXPECT_TRUE(runs(Program::RamUtility)) << model;
        expect_idle_link();
    }
}

TEST_F(DownloadValidatorTest, AnotherModelsUtilityIsNotStarted) {
    const std::string file = stand_in_file("RX3_ram_ut.rx1");
    ASSERT_LT(DownloadRamFile(file.c_str(), kPort), ZAV_DOWNLOAD_DONE);
    const auto [result, ms] = wait_download(GetRamDownloadData, 5000);
    EXPECT_EQ(result, 0x100010);
    EXPECT_LT(ms, 2000);  // a wrong echo ends the wait at once
    EXPECT_TRUE(runs(Program::LinkProtocol));
    expect_idle_link();
}

TEST_F(DownloadValidatorTest, RefusalsAndAWrongEcho) {
    const std::string file = stand_in_file("TM6_ram_ut.rx1");
    struct Case {
        const char* what;
        zav::sim::CommandKey key;
        Fault fault;
        std::int32_t result;
        Program then;  // what the unit runs afterwards
    };
    const std::vector<Case> cases = {
        {"program command refused", 0x0B, fault(Fault::Kind::GenericCode, 0xF2), 0x100011,
         Program::LinkProtocol},
        {"header refused with F9", 'Z', fault(Fault::Kind::GenericCode, 0xF9), 0x100012,
         Program::LinkProtocol},
        // The unit took the program; only its echo was lost on the line.
        {"wrong checksum echo", zav::sim::kLoaderEcho, fault(Fault::Kind::GenericCode, 0x55),
         0x100010, Program::RamUtility},
    };
    for (const Case& c : cases) {
        start("TM6");
        sim->set_fault(c.key, c.fault);
        ASSERT_LT(DownloadRamFile(file.c_str(), kPort), ZAV_DOWNLOAD_DONE) << c.what;
        EXPECT_EQ(wait_download(GetRamDownloadData, 5000).first, c.result) << c.what;
        EXPECT_TRUE(runs(c.then)) << c.what;
        expect_idle_link();
    }
}

TEST_F(DownloadValidatorTest, RamLoaderThenMainCode) {
    path = write_image_file(
        "then_main.rx1", zav_image({.type_letter = 'a', .ram_length = 300, .main_length = 5000}));
    EXPECT_EQ(DownloadRamFile(path.c_str(), kPort), 2);  // 4096-byte blocks
    EXPECT_EQ(wait_download(GetDownloadData, 5000).first, ZAV_DOWNLOAD_DONE);
    EXPECT_TRUE(runs(Program::LinkProtocol));  // restarted into the new firmware
    expect_idle_link();
    ASSERT_EQ(OpenPort(kPort), 1);
    EXPECT_EQ(sync_status(), 1);
    CloseComm();
}

TEST_F(DownloadValidatorTest, ReconnectingTransferFromFileAndMemory) {
    const Bytes image = zav_image({.type_letter = 'a', .ram_length = 400, .main_length = 9000});
    path = write_image_file("reconnect.rx1", image);
    SetDownloadOptionFlag(1);
    EXPECT_EQ(DownloadFile(path.c_str(), kPort), 3);
    const auto [result, ms] = wait_download(GetDownloadData, 8000);
    EXPECT_EQ(result, ZAV_DOWNLOAD_DONE);
    EXPECT_GE(ms, 2000);  // the validator's restart into its loader
    RamDownloadStatus status{};
    GetRamDownloadStatus(&status);
    EXPECT_EQ(status.stage, 0x100000);
    expect_idle_link();

    // From the caller's memory, which stays as it was.
    start("TM6");
    const Bytes copy = image;
    EXPECT_EQ(DownloadArrayData(image.data(), kPort), 3);
    EXPECT_EQ(wait_download(GetDownloadData, 8000).first, ZAV_DOWNLOAD_DONE);
    EXPECT_EQ(image, copy);
    expect_idle_link();
}

TEST_F(DownloadValidatorTest, OldFormatWithAndWithoutTheSpeedSwitch) {
    path = write_image_file("old.rx1", old_image({.blocks = 3}));
    for (const std::int32_t speed : {1, 0}) {
        start("TM6");
        SetDownSpeedFlag(speed);
        EXPECT_EQ(DownloadFile(path.c_str(), kPort), 3) << speed;
        EXPECT_EQ(wait_download(GetDownloadData, 5000).first, ZAV_DOWNLOAD_DONE) << speed;
        EXPECT_EQ(sim->frames_received(0x16), 1u) << speed;
        // The version checks run without the speed switch only (POLL at
        // download speed answers 0xF6).
        EXPECT_EQ(sim->frames_received(zav::sim::expansion(0x15)), speed ? 0u : 1u);
        expect_idle_link();
    }
    SetDownSpeedFlag(1);
}

TEST_F(DownloadValidatorTest, BulkRead) {
    std::uint8_t dest[17 + 3] = {};
    EXPECT_EQ(GetBulkData(kPort, 0x00001000, 16, dest), 1);
    EXPECT_EQ(dest[0], 0xF0);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(dest[1 + i], (0x1000 + i) & 0xFF);
    EXPECT_EQ(dest[17], 0);
    expect_idle_link();
}
