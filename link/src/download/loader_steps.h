#pragma once
// Steps the transfers share: the header command, raw pieces of the image,
// a write answered by an echo, and the main code in checksummed blocks.
#include <atomic>
#include <cstdint>
#include <functional>

#include "program_image.h"
#include "transfer_link.h"

namespace zav::link::download {

constexpr std::uint8_t kProgramCommand = 0x0B;
constexpr std::uint8_t kRamLoaderProgram = 0x03;
// The loader's prompt for the next part of the transfer.
constexpr std::uint8_t kLoaderPrompt = '2';
constexpr std::size_t kRawPieceSize = 128;
// The pause that lets the loader settle after each step.
constexpr std::int64_t kSettleMs = 20;
constexpr std::int64_t kEchoLimitMs = 10000;
constexpr std::int32_t kLoaderLineBaud = 38400;

// True when the reply's first data byte is 0xF0.
bool accepted(const LinkPacket& reply);

// Sends the 128 header bytes as one command. Returns 0, ZAV_DOWNLOAD_HEADER_FAIL
// (refused with 0xF9) or ZAV_DOWNLOAD_TRANSFER_FAIL.
std::int32_t send_header_command(TransferLink& link, const ProgramImage& image);

// Writes length image bytes from offset raw, in 128-byte pieces, each
// followed by a wait for the output to drain; on_whole_piece(k) follows the
// k-th whole piece. The last write is the one that provokes an echo, so
// the echo is made expected just before it. False when a write fails.
bool send_raw(TransferLink& link, const ProgramImage& image, std::uint64_t offset,
              std::uint64_t length, const std::function<void(std::uint32_t)>& on_whole_piece);

// Writes bytes and waits up to limit_ms for the echo `expected`.
bool write_for_echo(TransferLink& link, ByteSpan bytes, std::uint8_t expected,
                    std::int64_t limit_ms);

// The image's header bytes (with the transfer's own changes), raw.
bool write_header_for_prompt(TransferLink& link, const ProgramImage& image, std::int64_t limit_ms);

// Sends layout.block_count main-code blocks of block_size bytes (the last
// padded with 0xFF), each followed by its XOR byte, which the loader echoes
// within 10 s. progress = the block number while it goes. False on any
// failure.
bool send_main_blocks(TransferLink& link, const ProgramImage& image, const ImageLayout& layout,
                      std::size_t block_size, std::atomic<std::int32_t>& progress);

}  // namespace zav::link::download
