// The reconnecting transfer against a scripted validator: the block size
// the validator names, the loader baud rate by port driver and image kind,
// the reconnection, the status record and the option flag.
#include <gtest/gtest.h>

#include "download/download_codes.h"
#include "scripted_loader.h"
#include "test_images.h"

using namespace zav::link;
using namespace zav::link::download;
using namespace zav::link::test;

namespace {

constexpr int kPort = 7;

// The program command's reply names 2048-byte main blocks.
Bytes names_2048_byte_blocks(const Bytes& c) {
    return c[0] == 0x0B ? Bytes{0xF0, 0x00, 0x08} : Bytes{0xF0};
}

Bytes small_image(std::uint8_t type_letter = 'a') {
    return zav_image({.type_letter = type_letter, .ram_length = 128, .main_length = 100});
}

}  // namespace

TEST(ReconnectingTransfer, LoaderThenReconnectionThenMainCode) {
    TransferRig rig;
    rig.loader.commands = names_2048_byte_blocks;
    rig.status.option_flag = 3;  // bit 0 goes into header byte 112
    EXPECT_EQ(rig.reconnecting(zav_image({.type_letter = 'a',
                                          .ram_length = 256,
                                          .main_length = 3000,
                                          .block_size = 2048,
                                          .loader_baud = 57600}),
                               kPort)
                  .result,
              ZAV_DOWNLOAD_DONE);
    const ScriptedLoader& l = rig.loader;

    const std::vector<std::string> opening = {
        "clear cancel", "cmd 0b 03",       "cmd 128 bytes",
        "verify on",    "baud 57600 fast", "pause 20",
        "raw 128",      "raw 128",         "echo " + hex({rig.bytes[16]}) + " 18000",
        "close",        "pause 2000",      "open 7",
        "raw 1",        "echo 32 3000",    "pause 20",
        "raw 128",      "echo 32 3000",    "pause 20"};
    ASSERT_GT(l.steps.size(), opening.size());
    EXPECT_EQ(std::vector<std::string>(l.steps.begin(), l.steps.begin() + opening.size()), opening);
    EXPECT_EQ(l.raw_writes[2], Bytes{'a'});

    // Two main blocks of the validator's 2048 bytes: 16 pieces and the XOR
    // byte each, echoed within 10 s.
    std::vector<std::string> pieces;
    for (std::size_t i = opening.size(); i < l.steps.size(); ++i)
        if (l.steps[i].rfind("raw", 0) == 0) pieces.push_back(l.steps[i]);
    std::vector<std::string> expected;
    for (int block = 0; block < 2; ++block) {
        expected.insert(expected.end(), 16, "raw 128");
        expected.push_back("raw 1");
    }
    EXPECT_EQ(pieces, expected);
    EXPECT_EQ(l.steps_with(" 10000").size(), 2u);

    // The option bit is in the header command and in the raw header; the
    // caller's image is untouched.
    EXPECT_EQ(l.sent_commands[1][112], 1);
    EXPECT_EQ(l.raw_writes[3][112], 1);
    EXPECT_EQ(rig.bytes[112], 0);

    // The status record follows the stages.
    const auto at_raw = l.status_at_steps("raw");
    EXPECT_EQ(at_raw[0].stage, ZAV_DOWNLOAD_STAGE_RAM_LOADER);
    EXPECT_EQ(at_raw[0].total, 2);
    EXPECT_EQ(at_raw[1].current, 1);
    EXPECT_EQ(at_raw[2].stage, ZAV_DOWNLOAD_STAGE_RECONNECTING);  // the type letter
    EXPECT_EQ(at_raw[2].total, 0);
    EXPECT_EQ(at_raw[3].stage, ZAV_DOWNLOAD_STAGE_HEADER);
    EXPECT_EQ(at_raw[4].stage, ZAV_DOWNLOAD_STAGE_MAIN_CODE);
    EXPECT_EQ(at_raw[4].download_data, 1);
    EXPECT_EQ(at_raw.back().download_data, 2);
}

TEST(ReconnectingTransfer, LoaderBaudRateByDriverAndImageKind) {
    // A USB CDC port keeps its rate; kinds 9 and 10 always use 38400.
    struct Case {
        DriverKind driver;
        std::uint8_t kind;
        std::vector<std::string> baud_steps;
    };
    const std::vector<Case> cases = {
        {kDriverUsbCdc, 0, {}},
        {kDriverVcp, 0, {"baud 57600 fast"}},
        {kDriverOther, 9, {"baud 38400 fast"}},
        {kDriverOther, 10, {"baud 38400 fast"}},
        {kDriverUsbCdc, 10, {}},
    };
    for (const Case& c : cases) {
        TransferRig rig;
        rig.loader.kind = c.driver;
        EXPECT_EQ(rig.reconnecting(zav_image({.kind = c.kind,
                                              .type_letter = 'a',
                                              .ram_length = 128,
                                              .loader_baud = 57600}),
                                   kPort)
                      .result,
                  ZAV_DOWNLOAD_DONE);
        EXPECT_EQ(rig.loader.steps_with("baud"), c.baud_steps)
            << "driver " << int(c.driver) << " kind " << int(c.kind);
    }
}

TEST(ReconnectingTransfer, WithoutANamedBlockSizeTheHeadersCounts) {
    TransferRig rig;
    EXPECT_EQ(
        rig.reconnecting(
               zav_image(
                   {.type_letter = 'a', .ram_length = 128, .main_length = 1000, .block_size = 512}),
               kPort)
            .result,
        ZAV_DOWNLOAD_DONE);
    // RAM program and header, then two blocks of 512 bytes: 4 pieces each.
    EXPECT_EQ(rig.loader.steps_with("raw 128").size(), 2u + 2u * 4u);
}

TEST(ReconnectingTransfer, MissingLoaderEchoSendsTheTypeLetterOnceAndFails) {
    TransferRig rig;
    rig.loader.echoes = [](std::uint8_t, int) { return std::nullopt; };
    EXPECT_EQ(rig.reconnecting(small_image('q'), kPort).result, ZAV_DOWNLOAD_TRANSFER_FAIL);
    EXPECT_EQ(rig.loader.raw_writes.back(), Bytes{'q'});
    EXPECT_TRUE(rig.loader.steps_with("close").empty());  // no reconnection
}

TEST(ReconnectingTransfer, FailuresAfterTheLoader) {
    TransferRig reopen;
    reopen.loader.reopen_succeeds = false;
    EXPECT_EQ(reopen.reconnecting(small_image(), kPort).result, ZAV_DOWNLOAD_TRANSFER_FAIL);
    EXPECT_EQ(reopen.loader.steps.back(), "open 7");

    TransferRig no_prompt;
    no_prompt.loader.echoes = [](std::uint8_t e, int n) {
        return n < 2 ? std::optional<std::uint8_t>(e) : std::nullopt;
    };
    EXPECT_EQ(no_prompt.reconnecting(small_image(), kPort).result, ZAV_DOWNLOAD_TRANSFER_FAIL);
    EXPECT_TRUE(no_prompt.loader.steps_with(" 10000").empty());  // no main block went out

    TransferRig refused;
    refused.loader.commands = [](const Bytes& c) {
        return c[0] == 'Z' ? Bytes{0xF9} : Bytes{0xF0};
    };
    EXPECT_EQ(refused.reconnecting(small_image(), kPort).result, ZAV_DOWNLOAD_HEADER_FAIL);
}
