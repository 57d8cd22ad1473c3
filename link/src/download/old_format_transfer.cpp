// The old-format transfer: the whole image, header included, as 128-byte
// VLP commands, after a speed check and the version checks.
#include <algorithm>

#include "download_codes.h"
#include "loader_steps.h"
#include "transaction.h"
#include "transfers.h"

namespace zav::link::download {
namespace {

constexpr std::uint8_t kReset = 0x01;
constexpr std::uint8_t kPoll = 0x07;
constexpr std::uint8_t kEndOfDownload = 0x16;
constexpr std::uint8_t kSpeedCommand[] = {0x30, 0x05, 0x20, 0x06};
constexpr std::uint8_t kMemoryQuery[] = {0x30, 0x05, 0x15, 0x01, 0x0F, 0xFE, 0x64};
constexpr std::uint8_t kFlashTypeQuery[] = {0x30, 0x05, 0x3E};
// POLL's answer that also passes the speed check.
constexpr std::uint8_t kReplyBusy = 0xF6;
// The flash-type query's answer that stands for flash type 1.
constexpr std::uint8_t kReplyFlashType1 = 0xF2;

constexpr std::int32_t kFastBaud = 28800;
constexpr std::int32_t kNormalBaud = 9600;
constexpr std::size_t kProgramTypeOffset = 5;
constexpr std::size_t kTypeLetterOffset = 6;
constexpr std::size_t kFlagOffset = 7;
constexpr std::uint8_t kSkipVersionChecks = 1;
constexpr std::size_t kImageVersionOffset = 65303;
constexpr std::size_t kReplyVersionOffset = 52;
// From this version on the validator takes the newer block format.
constexpr int kNewFlashVersion = 109;
constexpr std::uint8_t kFlashTypeNeedingNewImage = 2;
constexpr std::size_t kBlockSize = 128;
constexpr std::int64_t kBlockPauseMs = 5;
constexpr std::int64_t kSpeedCheckSettleMs = 10000;

// The number the ASCII digits at bytes[0..count) start with (0 for none).
int leading_number(const std::uint8_t* bytes, std::size_t count) {
    int value = 0;
    for (std::size_t i = 0; i < count && bytes[i] >= '0' && bytes[i] <= '9'; ++i)
        value = value * 10 + (bytes[i] - '0');
    return value;
}

// The image's version: its three digits where the image is long enough to
// hold them, else 0.
int image_version(const ProgramImage& image) {
    if (image.size() < kImageVersionOffset + 3) return 0;
    std::uint8_t digits[3];
    image.copy(kImageVersionOffset, sizeof digits, digits);
    return leading_number(digits, sizeof digits);
}

int validator_version(const LinkPacket& reply) {
    if (reply.length <= kReplyVersionOffset) return 0;
    const std::size_t count = std::min<std::size_t>(3, reply.length - kReplyVersionOffset);
    return leading_number(reply.data + kReplyVersionOffset, count);
}

// The reply's generic code, or 0 when there was none.
std::uint8_t reply_code(const LinkPacket& reply) {
    return reply.status == kStatusGenericReply ? reply.data[0] : 0;
}

void send(TransferLink& link, ByteSpan command, LinkPacket* reply) {
    *reply = LinkPacket{};
    link.command(command, reply);
}

// RESET, the sequence bit toggled, RESET again: the validator restarts
// whichever sequence bit it expects.
void closing_reset_pair(TransferLink& link) {
    link.set_retry_parameters(1, 1);
    LinkPacket reply{};
    send(link, ByteSpan(&kReset, 1), &reply);
    link.flip_sequence();
    send(link, ByteSpan(&kReset, 1), &reply);
}

// Ends a failed transfer: the message (if any), then the closing RESET
// pair. Returns result.
std::int32_t fail(TransferLink& link, std::int32_t result, const char* message = nullptr) {
    if (message) link.message(message);
    closing_reset_pair(link);
    return result;
}

// The memory and flash-type queries. Returns 0 or the failure result.
std::int32_t check_versions(TransferLink& link, ProgramImage& image) {
    const int version = image_version(image);
    LinkPacket reply{};
    send(link, kMemoryQuery, &reply);
    if (!accepted(reply)) return fail(link, ZAV_DOWNLOAD_PROGRAM_COMMAND_FAIL, "Failed on get mem");
    image.set_header_byte(kFlagOffset, validator_version(reply) >= kNewFlashVersion ? 5 : 4);

    send(link, kFlashTypeQuery, &reply);
    std::uint8_t flash_type;
    if (accepted(reply))
        flash_type = reply.data[1];
    else if (reply_code(reply) == kReplyFlashType1)
        flash_type = 1;
    else
        return fail(link, ZAV_DOWNLOAD_PROGRAM_COMMAND_FAIL, "Failed on get flash type");
    if (flash_type == kFlashTypeNeedingNewImage && version < kNewFlashVersion)
        return fail(link, ZAV_DOWNLOAD_NOT_ALLOWED);
    return 0;
}

}  // namespace

TransferOutcome run_old_format_transfer(TransferLink& link, DownloadStatus& status,
                                        ProgramImage& image, const ImageLayout& layout) {
    const bool fast = status.speed_flag.load() == 1;
    LinkPacket reply{};
    if (fast) send(link, kSpeedCommand, &reply);
    link.set_baud(fast ? kFastBaud : kNormalBaud, false);

    const std::uint8_t sync = kSyncCommand;
    send(link, ByteSpan(&sync, 1), &reply);
    if (fast) {
        send(link, ByteSpan(&kPoll, 1), &reply);
        const std::uint8_t code = reply_code(reply);
        if (code != kReplyOk && code != kReplyBusy) {
            closing_reset_pair(link);
            return {ZAV_DOWNLOAD_SPEED_CHECK_FAIL, kSpeedCheckSettleMs};
        }
    }
    if (accepted(reply) && image.byte(kFlagOffset) != kSkipVersionChecks &&
        image.byte(kProgramTypeOffset) == 0) {
        if (const std::int32_t checked = check_versions(link, image)) return {checked};
    }

    const std::uint8_t program[] = {kProgramCommand, image.byte(kProgramTypeOffset)};
    send(link, program, &reply);
    if (!accepted(reply))
        return {fail(link, ZAV_DOWNLOAD_PROGRAM_COMMAND_FAIL, "Failed on prog firm cmd")};
    const std::uint8_t type_letter = image.byte(kTypeLetterOffset);
    if (type_letter == 11 || type_letter == 12)
        image.set_header_byte(kTypeLetterOffset, type_letter - 10);
    link.set_retry_parameters(6, 0);

    std::uint8_t block[kBlockSize];
    for (std::uint32_t n = 0; n < layout.block_count; ++n) {
        if (n > 0 && !link.pause(kBlockPauseMs)) return {fail(link, ZAV_DOWNLOAD_TRANSFER_FAIL)};
        status.download_data.store(static_cast<std::int32_t>(n));
        image.copy(std::uint64_t{n} * kBlockSize, kBlockSize, block);
        send(link, block, &reply);
        if (!accepted(reply))
            return {fail(link, reply_code(reply) == kReplyRefused ? ZAV_DOWNLOAD_HEADER_FAIL
                                                                  : ZAV_DOWNLOAD_TRANSFER_FAIL)};
    }

    std::int32_t result = ZAV_DOWNLOAD_DONE;
    send(link, ByteSpan(&kEndOfDownload, 1), &reply);
    if (!accepted(reply)) {
        result = ZAV_DOWNLOAD_END_COMMAND_FAIL;
    } else {
        send(link, ByteSpan(&kReset, 1), &reply);
        if (!accepted(reply)) result = ZAV_DOWNLOAD_RESET_FAIL;
    }
    link.set_retry_parameters(1, 3);
    return {result};
}

}  // namespace zav::link::download
