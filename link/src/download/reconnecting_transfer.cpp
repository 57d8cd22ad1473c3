// The reconnecting transfer: the RAM loader, then the port closed and
// opened again while the validator restarts into the loader, then the main
// code.
#include "download_codes.h"
#include "loader_steps.h"
#include "transfers.h"

namespace zav::link::download {
namespace {

constexpr std::size_t kOptionOffset = 112;
constexpr std::int64_t kLoaderEchoLimitMs = 18000;
constexpr std::int64_t kRestartMs = 2000;
constexpr std::int64_t kPromptLimitMs = 3000;

// The block size the validator names in data bytes 1 and 2 of its answer to
// the program command (little-endian); without one (a short reply or 0),
// the image header's.
std::size_t main_block_size(const LinkPacket& reply, const ImageLayout& layout) {
    const std::size_t named = reply.length >= 3 ? (reply.data[1] | reply.data[2] << 8) : 0;
    return named ? named : layout.header_block_size;
}

}  // namespace

TransferOutcome run_reconnecting_transfer(TransferLink& link, DownloadStatus& status,
                                          ProgramImage& image, const ImageLayout& layout,
                                          int port) {
    link.clear_cancel();
    status.stage.store(ZAV_DOWNLOAD_STAGE_STARTED);
    image.set_header_byte(kOptionOffset, status.option_flag.load() & 1);

    LinkPacket reply{};
    const std::uint8_t program[] = {kProgramCommand, kRamLoaderProgram};
    link.command(program, &reply);
    if (!accepted(reply)) return {ZAV_DOWNLOAD_PROGRAM_COMMAND_FAIL};
    const std::size_t block_size = main_block_size(reply, layout);
    if (const std::int32_t header = send_header_command(link, image)) return {header};

    link.set_verify_mode(true);
    link.expect_echo();
    // A USB CDC port runs at its own speed whatever rate is set.
    if (link.driver_kind(port) != kDriverUsbCdc)
        link.set_baud(static_cast<std::int32_t>(layout.loader_baud), true);
    if (!link.pause(kSettleMs)) return {ZAV_DOWNLOAD_TRANSFER_FAIL};

    status.stage.store(ZAV_DOWNLOAD_STAGE_RAM_LOADER);
    status.total.store(static_cast<std::int32_t>(layout.ram_length / kRawPieceSize));
    status.current.store(0);
    const auto count = [&status](std::uint32_t blocks) {
        status.current.store(static_cast<std::int32_t>(blocks));
    };
    if (!send_raw(link, image, ImageLayout::kRamProgramOffset, layout.ram_length, count))
        return {ZAV_DOWNLOAD_TRANSFER_FAIL};
    status.total.store(0);
    status.current.store(0);
    const std::uint8_t type_letter = layout.type_letter;
    if (!link.wait_echo(layout.checksum, kLoaderEchoLimitMs)) {
        // The loader takes the type letter next; it goes out once even so.
        link.write_drained(ByteSpan(&type_letter, 1));
        return {ZAV_DOWNLOAD_TRANSFER_FAIL};
    }

    status.stage.store(ZAV_DOWNLOAD_STAGE_RECONNECTING);
    link.close_port();
    if (!link.pause(kRestartMs) || !link.open_port(port)) return {ZAV_DOWNLOAD_TRANSFER_FAIL};
    if (!write_for_echo(link, ByteSpan(&type_letter, 1), kLoaderPrompt, kPromptLimitMs))
        return {ZAV_DOWNLOAD_TRANSFER_FAIL};
    status.stage.store(ZAV_DOWNLOAD_STAGE_HEADER);
    if (!link.pause(kSettleMs) || !write_header_for_prompt(link, image, kPromptLimitMs) ||
        !link.pause(kSettleMs))
        return {ZAV_DOWNLOAD_TRANSFER_FAIL};
    status.stage.store(ZAV_DOWNLOAD_STAGE_MAIN_CODE);
    if (!send_main_blocks(link, image, layout, block_size, status.download_data))
        return {ZAV_DOWNLOAD_TRANSFER_FAIL};
    return {ZAV_DOWNLOAD_DONE};
}

}  // namespace zav::link::download
