#include "loader_steps.h"

#include <algorithm>
#include <vector>

#include "download_codes.h"
#include "transaction.h"

namespace zav::link::download {
namespace {

// Writes bytes in 128-byte pieces, each drained before the next; the echo
// the last piece provokes is made expected just before it goes.
bool write_in_pieces(TransferLink& link, ByteSpan bytes,
                     const std::function<void(std::uint32_t)>& on_whole_piece) {
    if (bytes.empty()) link.expect_echo();
    std::uint32_t piece = 0;
    for (std::size_t at = 0; at < bytes.size(); at += kRawPieceSize) {
        const std::size_t count = std::min(kRawPieceSize, bytes.size() - at);
        if (at + count == bytes.size()) link.expect_echo();
        if (!link.write_drained(bytes.subspan(at, count))) return false;
        ++piece;
        if (count == kRawPieceSize && on_whole_piece) on_whole_piece(piece);
    }
    return true;
}

}  // namespace

bool accepted(const LinkPacket& reply) {
    return reply.status == kStatusGenericReply && reply.data[0] == kReplyOk;
}

std::int32_t send_header_command(TransferLink& link, const ProgramImage& image) {
    std::uint8_t header[ProgramImage::kHeaderSize];
    image.copy(0, sizeof header, header);
    LinkPacket reply{};
    link.command(ByteSpan(header, sizeof header), &reply);
    if (accepted(reply)) return 0;
    const bool refused = reply.status == kStatusGenericReply && reply.data[0] == kReplyRefused;
    return refused ? ZAV_DOWNLOAD_HEADER_FAIL : ZAV_DOWNLOAD_TRANSFER_FAIL;
}

bool send_raw(TransferLink& link, const ProgramImage& image, std::uint64_t offset,
              std::uint64_t length, const std::function<void(std::uint32_t)>& on_whole_piece) {
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(length));
    image.copy(offset, bytes.size(), bytes.data());
    return write_in_pieces(link, bytes, on_whole_piece);
}

bool write_for_echo(TransferLink& link, ByteSpan bytes, std::uint8_t expected,
                    std::int64_t limit_ms) {
    link.expect_echo();
    return link.write_drained(bytes) && link.wait_echo(expected, limit_ms);
}

bool write_header_for_prompt(TransferLink& link, const ProgramImage& image, std::int64_t limit_ms) {
    std::uint8_t header[ProgramImage::kHeaderSize];
    image.copy(0, sizeof header, header);
    return write_for_echo(link, ByteSpan(header, sizeof header), kLoaderPrompt, limit_ms);
}

bool send_main_blocks(TransferLink& link, const ProgramImage& image, const ImageLayout& layout,
                      std::size_t block_size, std::atomic<std::int32_t>& progress) {
    std::vector<std::uint8_t> block(block_size);
    for (std::uint32_t b = 1; b <= layout.block_count; ++b) {
        progress.store(static_cast<std::int32_t>(b));
        image.copy(layout.main_code_offset() + std::uint64_t{b - 1} * block_size, block.size(),
                   block.data());
        std::uint8_t check = 0;
        for (const std::uint8_t byte : block) check ^= byte;
        if (!write_in_pieces(link, block, nullptr)) return false;
        if (!write_for_echo(link, ByteSpan(&check, 1), check, kEchoLimitMs)) return false;
        if (!link.pause(kSettleMs)) return false;
    }
    return true;
}

}  // namespace zav::link::download
