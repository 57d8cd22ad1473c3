// The two transfers of DownloadRamFile: the RAM program alone ('b'), and
// the RAM loader followed by the main code.
#include "download_codes.h"
#include "loader_steps.h"
#include "transfers.h"

namespace zav::link::download {
namespace {

// Program command, header command, then the RAM program raw at 38400 baud,
// answered by the echo of the header's checksum byte within 10 s. Returns
// 0 or the failure result.
std::int32_t load_ram_program(TransferLink& link, ProgramImage& image, const ImageLayout& layout,
                              std::atomic<std::int32_t>* progress) {
    LinkPacket reply{};
    const std::uint8_t program[] = {kProgramCommand, kRamLoaderProgram};
    link.command(program, &reply);
    if (!accepted(reply)) return ZAV_DOWNLOAD_PROGRAM_COMMAND_FAIL;
    if (const std::int32_t header = send_header_command(link, image)) return header;

    link.set_verify_mode(true);
    link.expect_echo();
    link.set_baud(kLoaderLineBaud, true);
    if (!link.pause(kSettleMs)) return ZAV_DOWNLOAD_TRANSFER_FAIL;
    const auto count = [progress](std::uint32_t blocks) {
        if (progress) progress->store(static_cast<std::int32_t>(blocks));
    };
    if (!send_raw(link, image, ImageLayout::kRamProgramOffset, layout.ram_length, count))
        return ZAV_DOWNLOAD_TRANSFER_FAIL;
    return link.wait_echo(layout.checksum, kEchoLimitMs) ? 0 : ZAV_DOWNLOAD_TRANSFER_FAIL;
}

}  // namespace

TransferOutcome run_ram_transfer(TransferLink& link, DownloadStatus& status, ProgramImage& image,
                                 const ImageLayout& layout) {
    const std::int32_t loaded = load_ram_program(link, image, layout, &status.ram_download_data);
    return {loaded ? loaded : ZAV_DOWNLOAD_DONE};
}

TransferOutcome run_ram_then_main_transfer(TransferLink& link, DownloadStatus& status,
                                           ProgramImage& image, const ImageLayout& layout) {
    if (const std::int32_t loaded = load_ram_program(link, image, layout, nullptr)) return {loaded};
    const std::uint8_t type_letter = layout.type_letter;
    const bool main_code_sent =
        write_for_echo(link, ByteSpan(&type_letter, 1), kLoaderPrompt, kEchoLimitMs) &&
        link.pause(kSettleMs) && write_header_for_prompt(link, image, kEchoLimitMs) &&
        link.pause(kSettleMs) &&
        send_main_blocks(link, image, layout, ImageLayout::kDefaultBlockSize, status.download_data);
    return {main_code_sent ? ZAV_DOWNLOAD_DONE : ZAV_DOWNLOAD_TRANSFER_FAIL};
}

}  // namespace zav::link::download
