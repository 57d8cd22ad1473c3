// The transfers of DownloadRamFile against a scripted validator: the bytes
// and order of every step, the progress counts, and the results of
// refusals and missing echoes.
#include <gtest/gtest.h>

#include "download/download_codes.h"
#include "scripted_loader.h"
#include "test_images.h"

using namespace zav::link;
using namespace zav::link::download;
using namespace zav::link::test;

namespace {

ScriptedLoader::CommandScript refuse(std::uint8_t code, Bytes with) {
    return [code, with](const Bytes& c) { return c[0] == code ? with : Bytes{0xF0}; };
}

const ScriptedLoader::EchoScript kSilent = [](std::uint8_t, int) { return std::nullopt; };

}  // namespace

TEST(RamTransfer, RamProgramGoesInWholeBlocksThenTheRemainder) {
    TransferRig rig;
    EXPECT_EQ(rig.ram(zav_image({.type_letter = 'b', .ram_length = 300})).result,
              ZAV_DOWNLOAD_DONE);
    const Bytes& bytes = rig.bytes;

    const std::string checksum_echo = "echo " + hex({bytes[16]}) + " 10000";
    EXPECT_EQ(rig.loader.steps, (std::vector<std::string>{"cmd 0b 03", "cmd 128 bytes", "verify on",
                                                          "baud 38400 fast", "pause 20", "raw 128",
                                                          "raw 128", "raw 44", checksum_echo}));
    EXPECT_EQ(rig.loader.sent_commands[1], Bytes(bytes.begin(), bytes.begin() + 128));
    EXPECT_EQ(rig.loader.raw_stream(), Bytes(bytes.begin() + 128, bytes.end()));
    // RAM download data counts the whole blocks: 1 after the first, 2 after
    // the second; the 44-byte piece does not count.
    std::vector<std::int32_t> counts;
    for (const auto& s : rig.loader.status_at_steps("raw")) counts.push_back(s.ram_download_data);
    counts.push_back(rig.loader.status_at_steps("echo").at(0).ram_download_data);
    EXPECT_EQ(counts, (std::vector<std::int32_t>{0, 1, 2, 2}));
}

TEST(RamTransfer, RefusalsAndMissingEchoesFailTheTransfer) {
    struct Case {
        const char* what;
        ScriptedLoader::CommandScript commands;
        ScriptedLoader::EchoScript echoes;
        std::int32_t result;
        bool program_sent;  // the RAM program went out before the failure
    };
    const ScriptedLoader::EchoScript ok = [](std::uint8_t e, int) { return e; };
    const std::vector<Case> cases = {
        {"program command refused", refuse(0x0B, {0xF2}), ok, ZAV_DOWNLOAD_PROGRAM_COMMAND_FAIL,
         false},
        {"header refused with F9", refuse('Z', {0xF9}), ok, ZAV_DOWNLOAD_HEADER_FAIL, false},
        {"header refused otherwise", refuse('Z', {0xF5}), ok, ZAV_DOWNLOAD_TRANSFER_FAIL, false},
        {"header unanswered", refuse('Z', {}), ok, ZAV_DOWNLOAD_TRANSFER_FAIL, false},
        {"no checksum echo", refuse(0, {}), kSilent, ZAV_DOWNLOAD_TRANSFER_FAIL, true},
        {"wrong checksum echo", refuse(0, {}),
         [](std::uint8_t e, int) { return std::optional<std::uint8_t>(e ^ 0x01); },
         ZAV_DOWNLOAD_TRANSFER_FAIL, true},
    };
    for (const Case& c : cases) {
        TransferRig rig;
        rig.loader.commands = c.commands;
        rig.loader.echoes = c.echoes;
        EXPECT_EQ(rig.ram(zav_image({.type_letter = 'b', .ram_length = 300})).result, c.result)
            << c.what;
        EXPECT_EQ(!rig.loader.raw_writes.empty(), c.program_sent) << c.what;
    }
}

TEST(RamTransfer, RamThenMainSendsXorCheckedBlocksPaddedWithFF) {
    TransferRig rig;
    EXPECT_EQ(
        rig.ram(zav_image({.type_letter = 'a', .ram_length = 130, .main_length = 5000})).result,
        ZAV_DOWNLOAD_DONE);
    const Bytes& bytes = rig.bytes;

    // RAM program, type letter, header, then per block 32 pieces and the
    // XOR byte.
    std::vector<std::size_t> sizes;
    for (const Bytes& w : rig.loader.raw_writes) sizes.push_back(w.size());
    std::vector<std::size_t> expected = {128, 2, 1, 128};
    for (int block = 0; block < 2; ++block) {
        expected.insert(expected.end(), 32, 128);
        expected.push_back(1);
    }
    EXPECT_EQ(sizes, expected);
    EXPECT_EQ(rig.loader.raw_writes[2], Bytes{'a'});
    EXPECT_EQ(rig.loader.raw_writes[3], Bytes(bytes.begin(), bytes.begin() + 128));

    // The second block holds the last 904 bytes of main code, then 0xFF.
    const Bytes stream = rig.loader.raw_stream();
    const std::size_t second = 130 + 1 + 128 + 4096 + 1;
    const Bytes block2(stream.begin() + second, stream.begin() + second + 4096);
    EXPECT_TRUE(std::equal(bytes.begin() + 128 + 130 + 4096, bytes.end(), block2.begin()));
    EXPECT_TRUE(std::all_of(block2.begin() + 904, block2.end(), [](auto b) { return b == 0xFF; }));
    std::uint8_t x = 0;
    for (auto b : block2) x ^= b;
    EXPECT_EQ(stream.back(), x);

    EXPECT_EQ(rig.loader.steps_with("echo"),
              (std::vector<std::string>{
                  "echo " + hex({bytes[16]}) + " 10000", "echo 32 10000", "echo 32 10000",
                  "echo " + hex({stream[second - 1]}) + " 10000", "echo " + hex({x}) + " 10000"}));
    // Download data numbers the block being sent; RAM download data is left
    // alone.
    const auto at_raw = rig.loader.status_at_steps("raw");
    EXPECT_EQ(at_raw[4].download_data, 1);
    EXPECT_EQ(at_raw.back().download_data, 2);
    EXPECT_EQ(at_raw.back().ram_download_data, 0);
}

TEST(RamTransfer, RamThenMainStopsAtAMissingBlockEcho) {
    TransferRig rig;
    rig.loader.echoes = [](std::uint8_t e, int n) {
        return n < 3 ? std::optional<std::uint8_t>(e) : std::nullopt;
    };
    EXPECT_EQ(
        rig.ram(zav_image({.type_letter = 'a', .ram_length = 128, .main_length = 8192})).result,
        ZAV_DOWNLOAD_TRANSFER_FAIL);
    EXPECT_EQ(rig.loader.steps_with("echo").size(), 4u);  // checksum, two prompts, block 1
    EXPECT_EQ(rig.loader.steps.back().rfind("echo", 0), 0u);
}
