// The old-format transfer against a scripted validator: the speed check,
// the version checks, the blocks as commands and the closing commands.
#include <gtest/gtest.h>

#include "download/download_codes.h"
#include "scripted_loader.h"
#include "test_images.h"

using namespace zav::link;
using namespace zav::link::download;
using namespace zav::link::test;

namespace {

using Override = std::function<std::optional<Bytes>(const Bytes&)>;

// A validator that accepts everything, reports version `version` to the
// memory query (data bytes 52-54) and flash type `flash`, except where
// `override` answers.
ScriptedLoader::CommandScript validator(const char* version, std::uint8_t flash,
                                        Override override = nullptr) {
    return [=](const Bytes& c) -> Bytes {
        if (override)
            if (auto reply = override(c)) return *reply;
        if (c.size() >= 3 && c[0] == 0x30 && c[2] == 0x15) {
            Bytes reply(55, 0x20);
            reply[0] = 0xF0;
            std::copy(version, version + 3, reply.begin() + 52);
            return reply;
        }
        if (c.size() >= 3 && c[0] == 0x30 && c[2] == 0x3E) return {0xF0, flash};
        return {0xF0};
    };
}

// Answers commands with this code (and expansion request) by `reply`.
Override on(std::uint8_t code, Bytes reply, int request = -1) {
    return [=](const Bytes& c) -> std::optional<Bytes> {
        if (c[0] == code && (request < 0 || (c.size() > 2 && c[2] == request))) return reply;
        return std::nullopt;
    };
}

std::vector<std::string> last_steps(const ScriptedLoader& l, std::size_t n) {
    return {l.steps.end() - std::min(n, l.steps.size()), l.steps.end()};
}

const std::vector<std::string> kResetPair = {"retry 1 1", "cmd 01", "flip", "cmd 01"};

}  // namespace

TEST(OldFormatTransfer, FastTransferSendsTheWholeImageAsCommands) {
    TransferRig rig;
    // POLL answered 0xF6 passes the speed check and skips the version checks.
    rig.loader.commands = validator("000", 0, on(0x07, {0xF6}));
    EXPECT_EQ(rig.old_format(old_image({.blocks = 3, .type_letter = 11})).result,
              ZAV_DOWNLOAD_DONE);
    EXPECT_EQ(
        rig.loader.steps,
        (std::vector<std::string>{"cmd 30 05 20 06", "baud 28800", "cmd 11", "cmd 07", "cmd 0b 00",
                                  "retry 6 0", "cmd 128 bytes", "pause 5", "cmd 128 bytes",
                                  "pause 5", "cmd 128 bytes", "cmd 16", "cmd 01", "retry 1 3"}));
    // The blocks from offset 0; type letter 11 goes out as 1.
    Bytes expected = rig.bytes;
    expected[6] = 1;
    for (int n = 0; n < 3; ++n)
        EXPECT_EQ(rig.loader.sent_commands[4 + n],
                  Bytes(expected.begin() + 128 * n, expected.begin() + 128 * (n + 1)));
    std::vector<std::int32_t> counts;
    for (const auto& s : rig.loader.status_at_steps("cmd 128")) counts.push_back(s.download_data);
    EXPECT_EQ(counts, (std::vector<std::int32_t>{0, 1, 2}));
}

TEST(OldFormatTransfer, VersionChecksSetTheBlockFormatFlag) {
    for (const char* version : {"108", "109", "250"}) {
        TransferRig rig;
        rig.status.speed_flag = 0;
        rig.loader.commands = validator(version, 1);
        EXPECT_EQ(rig.old_format(old_image({.blocks = 2})).result, ZAV_DOWNLOAD_DONE);
        const auto& steps = rig.loader.steps;
        EXPECT_EQ(std::vector<std::string>(steps.begin(), steps.begin() + 5),
                  (std::vector<std::string>{"baud 9600", "cmd 11", "cmd 30 05 15 01 0f fe 64",
                                            "cmd 30 05 3e", "cmd 0b 00"}))
            << version;
        EXPECT_EQ(rig.loader.sent_commands[4][7], std::string(version) >= "109" ? 5 : 4) << version;
        EXPECT_EQ(rig.bytes[7], 0);  // the caller's image is untouched
    }
}

TEST(OldFormatTransfer, FlashTypeTwoNeedsAnImageOfVersion109) {
    // Too short to hold its version digits: the version counts as 0.
    TransferRig short_image;
    short_image.status.speed_flag = 0;
    short_image.loader.commands = validator("110", 2);
    EXPECT_EQ(short_image.old_format(old_image({.blocks = 3})).result, ZAV_DOWNLOAD_NOT_ALLOWED);
    EXPECT_EQ(last_steps(short_image.loader, 4), kResetPair);

    TransferRig new_enough;
    new_enough.status.speed_flag = 0;
    new_enough.loader.commands = validator("110", 2);
    EXPECT_EQ(new_enough.old_format(old_image({.blocks = 511, .version = "109"})).result,
              ZAV_DOWNLOAD_DONE);
    EXPECT_EQ(new_enough.loader.steps_with("cmd 128 bytes").size(), 511u);
}

TEST(OldFormatTransfer, FailuresGiveTheirResultsAndTheClosingResetPair) {
    struct Case {
        const char* what;
        std::int32_t speed_flag;
        Override override;
        std::int32_t result;
        std::vector<std::string> messages;
    };
    const std::vector<Case> cases = {
        {"POLL unanswered", 1, on(0x07, {}), ZAV_DOWNLOAD_SPEED_CHECK_FAIL, {}},
        {"POLL refused", 1, on(0x07, {0xF2}), ZAV_DOWNLOAD_SPEED_CHECK_FAIL, {}},
        {"memory query refused",
         0,
         on(0x30, {0xF5}, 0x15),
         ZAV_DOWNLOAD_PROGRAM_COMMAND_FAIL,
         {"Failed on get mem"}},
        {"flash type refused",
         0,
         on(0x30, {0xF4}, 0x3E),
         ZAV_DOWNLOAD_PROGRAM_COMMAND_FAIL,
         {"Failed on get flash type"}},
        {"program command refused",
         0,
         on(0x0B, {0xF5}),
         ZAV_DOWNLOAD_PROGRAM_COMMAND_FAIL,
         {"Failed on prog firm cmd"}},
        // Block 0 begins with the block count, 2.
        {"block refused with F9", 0, on(0x02, {0xF9}), ZAV_DOWNLOAD_HEADER_FAIL, {}},
        {"block unanswered", 0, on(0x02, {}), ZAV_DOWNLOAD_TRANSFER_FAIL, {}},
    };
    for (const Case& c : cases) {
        TransferRig rig;
        rig.status.speed_flag = c.speed_flag;
        rig.loader.commands = validator("109", 1, c.override);
        const TransferOutcome outcome = rig.old_format(old_image({.blocks = 2}));
        EXPECT_EQ(outcome.result, c.result) << c.what;
        // The speed check's failure is reported 10 s after the clean-up.
        EXPECT_EQ(outcome.settle_ms, c.result == ZAV_DOWNLOAD_SPEED_CHECK_FAIL ? 10000 : 0)
            << c.what;
        EXPECT_EQ(last_steps(rig.loader, 4), kResetPair) << c.what;
        EXPECT_EQ(rig.loader.messages, c.messages) << c.what;
    }
}

TEST(OldFormatTransfer, FlashTypeReplyF2CountsAsType1) {
    TransferRig rig;
    rig.status.speed_flag = 0;
    rig.loader.commands = validator("100", 2, on(0x30, {0xF2}, 0x3E));
    EXPECT_EQ(rig.old_format(old_image({.blocks = 1})).result, ZAV_DOWNLOAD_DONE);
}

TEST(OldFormatTransfer, ClosingCommandsRefused) {
    TransferRig end_refused;
    end_refused.status.speed_flag = 0;
    end_refused.loader.commands = validator("109", 1, on(0x16, {0xF5}));
    EXPECT_EQ(end_refused.old_format(old_image({.blocks = 1})).result,
              ZAV_DOWNLOAD_END_COMMAND_FAIL);
    EXPECT_EQ(last_steps(end_refused.loader, 2), (std::vector<std::string>{"cmd 16", "retry 1 3"}));

    TransferRig reset_refused;
    reset_refused.status.speed_flag = 0;
    reset_refused.loader.commands = validator("109", 1, on(0x01, {0xF5}));
    // Two blocks, so that block 0 does not begin with RESET's code.
    EXPECT_EQ(reset_refused.old_format(old_image({.blocks = 2})).result, ZAV_DOWNLOAD_RESET_FAIL);
}
