#include "download_commands.h"

#include <algorithm>
#include <utility>

#include "command_codes.h"

namespace zav::sim {
namespace {

constexpr std::uint8_t kReset = 0x01;
constexpr std::uint8_t kProgram = 0x0B;
constexpr std::uint8_t kEndOfDownload = 0x16;
// Expansion requests of the old-format download.
constexpr std::uint8_t kSpeedRequest = 0x20;
constexpr std::uint8_t kMemoryQuery = 0x15;
constexpr std::uint8_t kFlashTypeQuery = 0x3E;
constexpr std::uint8_t kBulkRead = 0x78;
// POLL's answer while the line runs at download speed.
constexpr std::uint8_t kReplyBusy = 0xF6;

constexpr std::size_t kBlockSize = 128;
constexpr std::uint8_t kFlashType = 1;
// The memory query's reply carries the firmware's version in data bytes
// 52 to 54.
constexpr std::size_t kMemoryReplyLength = 55;
constexpr std::size_t kVersionOffset = 52;
// An old-format image carries its version as three digits here.
constexpr std::size_t kImageVersionAt = 65303;
constexpr std::size_t kVersionDigits = 3;
// The bulk read's parameters: start address and byte count, least
// significant byte first. The unit has this much memory to read.
constexpr std::size_t kBulkParameters = 8;
constexpr std::uint32_t kMemorySize = 0x10000;

}  // namespace

std::optional<Bytes> DownloadCommands::execute(const std::uint8_t* data, std::size_t count) {
    if (count == kBlockSize && programming_) return block(data);
    switch (data[0]) {
        case kProgram: {
            programming_ = true;
            blocks_taken_ = 0;
            version_digits_seen_ = 0;
            const std::size_t size = LoaderSession::kMainBlockSize;
            return Bytes{kReplyOk, static_cast<std::uint8_t>(size & 0xFF),
                         static_cast<std::uint8_t>(size >> 8)};
        }
        case kEndOfDownload:
            if (!programming_) return std::nullopt;
            programming_ = false;
            install_old_format_version();
            return Bytes{kReplyOk};
        case kReset:
            programming_ = false;
            fast_line_ = false;
            return Bytes{kReplyOk};
        case kPoll:
            if (!fast_line_) return std::nullopt;
            return Bytes{kReplyBusy};
        case kExpansion:
            return expansion(data + 1, count - 1);
        default:
            return std::nullopt;
    }
}

// data starts at the selector byte.
std::optional<Bytes> DownloadCommands::expansion(const std::uint8_t* data, std::size_t count) {
    if (count < 2 || data[0] != kExpansionSelector) return std::nullopt;
    switch (data[1]) {
        case kSpeedRequest:
            fast_line_ = true;
            return Bytes{kReplyOk};
        case kMemoryQuery: {
            Bytes reply(kMemoryReplyLength, 0);
            reply[0] = kReplyOk;
            // The three last digits of the firmware's version ("0118": 118).
            const std::string text = firmware();
            std::copy_n(text.begin() + LoaderSession::kVersionAt + 1, kVersionDigits,
                        reply.begin() + kVersionOffset);
            return reply;
        }
        case kFlashTypeQuery:
            return Bytes{kReplyOk, kFlashType};
        case kBulkRead:
            bulk_read(data + 2, count - 2);
            return Bytes{};
        default:
            return std::nullopt;
    }
}

// A 128-byte command while programming: the header of a RAM loader (the
// image mark at its start), or a block of an old-format image.
Bytes DownloadCommands::block(const std::uint8_t* data) {
    if (std::equal(data, data + 3, "ZAV")) {
        std::copy_n(data, LoaderSession::kHeaderSize, session_.header.begin());
        programming_ = false;
        loader_start_ = true;
        return {kReplyOk};
    }
    const std::size_t start = std::size_t{blocks_taken_++} * kBlockSize;
    for (std::size_t i = 0; i < kVersionDigits; ++i) {
        const std::size_t at = kImageVersionAt + i;
        if (at < start || at >= start + kBlockSize) continue;
        image_version_[i] = static_cast<char>(data[at - start]);
        ++version_digits_seen_;
    }
    return {kReplyOk};
}

// The firmware text the unit reports now, always 16 characters.
std::string DownloadCommands::firmware() const {
    std::string text = session_.firmware.empty() ? profile_.firmware : session_.firmware;
    text.resize(LoaderSession::kFirmwareWidth, ' ');
    return text;
}

// The firmware's version becomes the image's ("0" and its three digits),
// when the image held them; its model code and the rest stay.
void DownloadCommands::install_old_format_version() {
    if (version_digits_seen_ != static_cast<int>(kVersionDigits)) return;
    std::string text = firmware();
    text[LoaderSession::kVersionAt] = '0';
    text.replace(LoaderSession::kVersionAt + 1, kVersionDigits, image_version_);
    session_.firmware = text;
}

// Answers with the status byte 0xF0 and then the bytes asked for (as much
// of them as the memory holds); each memory byte is the low byte of its
// address.
void DownloadCommands::bulk_read(const std::uint8_t* data, std::size_t count) {
    if (count < kBulkParameters) return;
    const auto le32 = [data](std::size_t at) {
        return std::uint32_t{data[at]} | std::uint32_t{data[at + 1]} << 8 |
               std::uint32_t{data[at + 2]} << 16 | std::uint32_t{data[at + 3]} << 24;
    };
    const std::uint32_t address = le32(0);
    const std::uint32_t wanted = std::min(le32(4), kMemorySize);
    Bytes answer = {kReplyOk};
    for (std::uint32_t i = 0; i < wanted; ++i)
        answer.push_back(static_cast<std::uint8_t>(address + i));
    raw_reply_ = std::move(answer);
}

std::optional<Bytes> DownloadCommands::take_raw_reply() {
    return std::exchange(raw_reply_, std::nullopt);
}

bool DownloadCommands::take_loader_start() {
    return std::exchange(loader_start_, false);
}

}  // namespace zav::sim
