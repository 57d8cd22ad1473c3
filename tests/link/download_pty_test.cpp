// The download and service exports over a pseudo-terminal, with the test
// playing the validator's loader: start checks that leave the port alone,
// a RAM transfer byte for byte, the refusal of a second start, a cancel
// that ends the echo wait, the state every transfer leaves behind, the
// bulk read and verify mode.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "ZavtekVLP.h"
#include "download_helpers.h"
#include "test_images.h"
#include "zav/test/pty_peer.h"
#include "zav/test/wait_until.h"

using namespace zav::link::test;
using zav::test::Bytes;
using zav::test::FramePeer;
using zav::vlp::wire_frame;

namespace {

constexpr int kPort = 111;

struct DownloadPtyTest : ::testing::Test {
    static void SetUpTestSuite() {
        SetMessageMode(0);
        ASSERT_TRUE(peer.start(kPort));
    }
    void SetUp() override {
        peer.set_script(FramePeer::reply({0xF0}));
        peer.clear();
        SetDownloadVLPAddress(5);  // every transfer must turn it off
    }
    void TearDown() override { CloseComm(); }

    static FramePeer peer;
};

FramePeer DownloadPtyTest::peer;

// True once the wire ends with the image's RAM program, sent raw.
std::function<bool(const Bytes&)> program_sent(const Bytes& image) {
    return [program = Bytes(image.begin() + 128, image.end())](const Bytes& wire) {
        return wire.size() >= program.size() &&
               std::equal(program.begin(), program.end(), wire.end() - program.size());
    };
}

}  // namespace

TEST_F(DownloadPtyTest, StatusRecordIsIdleAtLoadAndVersionIs3_19) {
    RamDownloadStatus status{1, 1, 1};
    EXPECT_EQ(GetRamDownloadStatus(&status), 1);
    EXPECT_EQ(status.total, 0);
    EXPECT_EQ(status.current, 0);
    EXPECT_EQ(status.stage, 0x100000);
    std::uint8_t major = 0, minor = 0;
    EXPECT_EQ(GetVLPDLLVersion(&major, &minor), 1);
    EXPECT_EQ(major, 3);
    EXPECT_EQ(minor, 19);
}

TEST_F(DownloadPtyTest, StartFailuresLeaveThePortAlone) {
    Bytes not_zav = zav_image({});
    not_zav[0] = 'X';
    const std::string path = write_image_file("not_zav.rx1", not_zav);
    EXPECT_EQ(DownloadRamFile(path.c_str(), kPort), 0x100003);
    EXPECT_EQ(DownloadFile(path.c_str(), kPort), 0x100003);
    EXPECT_EQ(DownloadArrayData(not_zav.data(), kPort), 0x100003);
    EXPECT_EQ(DownloadRamFile("", kPort), 0x100001);
    EXPECT_EQ(DownloadRamFile(nullptr, kPort), 0x100001);
    EXPECT_EQ(DownloadFile("/nonexistent.rx1", kPort), 0x100001);
    std::filesystem::remove(path);

    EXPECT_TRUE(peer.wire().empty());
    EXPECT_EQ(sync_status(), 0);  // never opened
    RamDownloadStatus status{};
    GetRamDownloadStatus(&status);
    EXPECT_EQ(status.stage, 0x100000);  // DownloadFile's failed start is not "reading"

    peer.set_script(FramePeer::silent());
    const Bytes image = zav_image({});
    const std::string good = write_image_file("good.rx1", image);
    EXPECT_EQ(DownloadRamFile(good.c_str(), kPort), 0x100005);
    std::filesystem::remove(good);
    // SYNC with T = 1 s, N = 2 is sent N + 2 times; the last resend goes out
    // just before the call gives up, so let the peer read it first.
    EXPECT_TRUE(peer.wait_frames(4, 1000));
    EXPECT_EQ(peer.frame_count(), 4u);
    expect_idle_link();
}

TEST_F(DownloadPtyTest, RamTransferByteForByte) {
    Bytes image = zav_image({.type_letter = 'b', .ram_length = 300});
    zav::link::test::put_be(image, 17, 300, 4);  // main length / 128 = 2
    const std::string path = write_image_file("ram.rx1", image);
    ASSERT_EQ(DownloadRamFile(path.c_str(), kPort), 2);
    std::filesystem::remove(path);

    // SYNC, program command, header: then the 300 raw bytes.
    ASSERT_TRUE(peer.wait_frames(3, 2000));
    const auto frames = peer.frames();
    EXPECT_EQ(Bytes(frames[1].begin() + 3, frames[1].end() - 2), (Bytes{0x0B, 0x03}));
    EXPECT_EQ(Bytes(frames[2].begin() + 3, frames[2].end() - 2),
              Bytes(image.begin(), image.begin() + 128));
    EXPECT_EQ(frames[1][1] & 0x7F, 0);  // the override was turned off at start
    EXPECT_TRUE(peer.wait_wire(program_sent(image), 2000));
    EXPECT_EQ(GetRamDownloadData(), 2);  // two whole blocks went out

    peer.send({image[16]});  // the loader's checksum echo
    EXPECT_EQ(wait_download(GetRamDownloadData, 2000).first, ZAV_DOWNLOAD_DONE);
    expect_idle_link();
}

TEST_F(DownloadPtyTest, SecondStartIsRefusedAndACancelEndsTheEchoWait) {
    const Bytes image = zav_image({.type_letter = 'b', .ram_length = 200});
    const std::string path = write_image_file("wait.rx1", image);
    ASSERT_LT(DownloadRamFile(path.c_str(), kPort), ZAV_DOWNLOAD_DONE);
    ASSERT_TRUE(peer.wait_frames(3, 2000));

    EXPECT_EQ(DownloadRamFile(path.c_str(), kPort), 0x100004);
    EXPECT_EQ(DownloadFile(path.c_str(), kPort), 0x100004);
    EXPECT_EQ(DownloadArrayData(image.data(), kPort), 0x100004);
    EXPECT_EQ(peer.frame_count(), 3u);  // the running transfer was left alone
    EXPECT_LT(GetRamDownloadData(), ZAV_DOWNLOAD_DONE);

    // Cancelled in the echo wait, once the program is out.
    ASSERT_TRUE(peer.wait_wire(program_sent(image), 2000));
    VLPKillWaitTime();
    const auto [result, ms] = wait_download(GetRamDownloadData, 3000);
    EXPECT_EQ(result, 0x100010);
    EXPECT_LT(ms, 1000);  // not the 10 s echo limit
    std::filesystem::remove(path);
    expect_idle_link();

    // The cancel was consumed: the next command is not cut short.
    ASSERT_EQ(OpenPort(kPort), 1);
    const std::uint8_t params[] = {1, 0};
    SetRetryParameters(params);
    EXPECT_EQ(sync_status(), 1);
}

TEST_F(DownloadPtyTest, RamThenMainStartsRamDataAtZeroAndCloseCommStopsIt) {
    // An earlier RAM transfer leaves its end result behind.
    const Bytes ram_only = zav_image({.type_letter = 'b', .ram_length = 200});
    const std::string ram_path = write_image_file("ram_only.rx1", ram_only);
    ASSERT_LT(DownloadRamFile(ram_path.c_str(), kPort), ZAV_DOWNLOAD_DONE);
    std::filesystem::remove(ram_path);
    ASSERT_TRUE(peer.wait_frames(3, 2000));
    VLPKillWaitTime();
    ASSERT_EQ(wait_download(GetRamDownloadData, 3000).first, 0x100010);

    // The loader-then-main image: RAM download data starts from 0 as well,
    // so a poller of it never takes the old result for this transfer's.
    const Bytes image = zav_image({.type_letter = 'a', .ram_length = 200, .main_length = 4096});
    const std::string path = write_image_file("ram_then_main.rx1", image);
    peer.clear();
    ASSERT_EQ(DownloadRamFile(path.c_str(), kPort), 1);
    std::filesystem::remove(path);
    EXPECT_EQ(GetRamDownloadData(), 0);
    EXPECT_EQ(GetDownloadData(), 0);

    // CloseComm in the middle (waiting for the RAM checksum echo) stops the
    // transfer at once and returns with the port closed.
    ASSERT_TRUE(peer.wait_frames(3, 2000));
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(CloseComm(), 1);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(200));
    EXPECT_EQ(GetDownloadData(), 0x100010);
    expect_idle_link();
}

TEST_F(DownloadPtyTest, CloseCommEndsAnOldFormatBlockWaitAtOnce) {
    // The unit answers SYNC and the program command, then stays silent: the
    // first block waits for its reply with T = 6 s, N = 0.
    peer.set_script([](const Bytes& frame) {
        if (frame[3] == 0x11 || frame[3] == 0x0B) return wire_frame(frame[1] & 0x80, {0xF0});
        return Bytes{};
    });
    SetDownSpeedFlag(0);
    const Bytes image = old_image({.blocks = 3, .flag = 1});
    ASSERT_EQ(DownloadArrayData(image.data(), kPort), 3);
    ASSERT_TRUE(peer.wait_frames(4, 2000));  // SYNC, SYNC, program command, block 0
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(CloseComm(), 1);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(200));
    EXPECT_EQ(GetDownloadData(), 0x100010);
    // Silence is the point: a closing RESET pair would come at once.
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(peer.frame_count(), 4u);  // no closing RESET pair after the stop
    SetDownSpeedFlag(1);
    expect_idle_link();
}

TEST_F(DownloadPtyTest, BulkReadWritesTheRequestUnstuffedAndKeepsToTheBuffer) {
    // The validator answers the request with more than the 17 bytes asked.
    Bytes answer(20);
    for (std::size_t i = 0; i < answer.size(); ++i) answer[i] = static_cast<std::uint8_t>(0xA0 + i);
    peer.set_script([answer](const Bytes& frame) {
        if (frame[3] == 0x30) return answer;
        return wire_frame(frame[1] & 0x80, {0xF0});
    });
    std::uint8_t dest[17 + 4];
    std::fill(std::begin(dest), std::end(dest), 0x55);
    EXPECT_EQ(GetBulkData(kPort, 0x00001000, 16, dest), 1);
    EXPECT_TRUE(std::equal(answer.begin(), answer.begin() + 17, dest));
    EXPECT_TRUE(std::all_of(dest + 17, std::end(dest), [](auto b) { return b == 0x55; }));

    const Bytes wire = peer.wire();
    const Bytes head = {0x7F, 0x00, 0x0B, 0x30, 0x05, 0x78, 0x00,
                        0x10, 0x00, 0x00, 0x10, 0x00, 0x00, 0x00};
    ASSERT_GE(wire.size(), 16u);
    const Bytes request(wire.end() - 16, wire.end());
    EXPECT_EQ(Bytes(request.begin(), request.begin() + 14), head);
    const std::uint16_t crc = zav::vlp::crc16(request.data() + 1, 13);
    EXPECT_EQ(request[14], crc & 0xFF);
    EXPECT_EQ(request[15], crc >> 8);
    expect_idle_link();
}

TEST_F(DownloadPtyTest, BulkReadTimeOutAndRefusedSync) {
    peer.set_script([](const Bytes& frame) {
        if (frame[3] == 0x30) return Bytes(10, 0x11);  // 10 of the 17 bytes
        return wire_frame(frame[1] & 0x80, {0xF0});
    });
    std::uint8_t dest[17];
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(GetBulkData(kPort, 0, 16, dest), 0);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now() - start)
                        .count();
    EXPECT_GE(ms, 2000);
    EXPECT_LT(ms, 3000);
    expect_idle_link();

    peer.set_script(FramePeer::reply({0xF2}));
    EXPECT_EQ(GetBulkData(kPort, 0, 16, dest), 0x100005);
    EXPECT_EQ(sync_status(), 0);
    EXPECT_EQ(GetBulkData(kPort, 0, 16, nullptr), 0);
}

TEST_F(DownloadPtyTest, SendStringAndVerifyMode) {
    const std::uint8_t ab[] = {'A', 'B'};
    EXPECT_EQ(SendString(ab, 2), 0);  // no port
    ASSERT_EQ(OpenPort(kPort), 1);
    EXPECT_EQ(SendString(ab, 0x102), 1);  // low 8 bits: 2 bytes
    EXPECT_TRUE(peer.wait_wire([](const Bytes& wire) { return wire.size() >= 2; }, 2000));
    EXPECT_EQ(peer.wire(), Bytes(std::begin(ab), std::end(ab)));

    EXPECT_EQ(SetVerifyMode(1), 1);
    peer.send({'x', 'O', 'K', '\r'});
    std::uint8_t buffer[127];
    std::int16_t count = 0;
    int found = 0;
    EXPECT_TRUE(
        zav::test::waitUntil([&] { return (found = CheckVerify("OK", 2, buffer, &count)); }));
    // Each check lets one more byte in: "OK" is found with three bytes in.
    EXPECT_EQ(found, 1);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(Bytes(buffer, buffer + 3), (Bytes{'x', 'O', 'K'}));
    // Until the carriage return is in, a check finds the same three bytes.
    EXPECT_TRUE(zav::test::waitUntil([&] {
        found = CheckVerify("OK", 2, buffer, &count);
        return count != 3;
    }));
    EXPECT_EQ(found, 1);
    EXPECT_EQ(count, 4);  // with the carriage return, which empties the buffer
    EXPECT_EQ(CheckVerify("OK", 2, buffer, &count), 0);
    EXPECT_EQ(count, 0);

    peer.send({'O'});
    EXPECT_TRUE(zav::test::waitUntil([&] { return CheckVerify("O", 1, buffer, &count) == 1; }));
    EXPECT_EQ(SetVerifyMode(0), 1);
    EXPECT_EQ(CheckVerify("O", 1, buffer, &count), 0);  // off, but the bytes are reported
    EXPECT_EQ(count, 1);
}
