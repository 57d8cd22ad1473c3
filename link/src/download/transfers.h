#pragma once
// The four transfers a download worker runs. Each returns its result and
// leaves the common clean-up (verify mode off, 9600 baud, port closed,
// address override off) to the worker.
#include <cstdint>

#include "download_status.h"
#include "program_image.h"
#include "transfer_link.h"

namespace zav::link::download {

struct TransferOutcome {
    std::int32_t result = ZAV_DOWNLOAD_TRANSFER_FAIL;
    // Time to wait after the clean-up before the result is reported.
    std::int64_t settle_ms = 0;
};

// Type 'b': the RAM program at 38400 baud; progress in ram_download_data.
TransferOutcome run_ram_transfer(TransferLink& link, DownloadStatus& status, ProgramImage& image,
                                 const ImageLayout& layout);

// DownloadRamFile with another type letter: the RAM loader, then the main
// code in 4096-byte blocks over the same connection; progress in
// download_data.
TransferOutcome run_ram_then_main_transfer(TransferLink& link, DownloadStatus& status,
                                           ProgramImage& image, const ImageLayout& layout);

// DownloadFile and DownloadArrayData with the mark at offset 0: the RAM
// loader, a reconnection of `port`, then the main code in blocks of the
// size the validator names; progress in download_data and the status
// record.
TransferOutcome run_reconnecting_transfer(TransferLink& link, DownloadStatus& status,
                                          ProgramImage& image, const ImageLayout& layout, int port);

// The old format: the whole image as 128-byte commands; progress in
// download_data.
TransferOutcome run_old_format_transfer(TransferLink& link, DownloadStatus& status,
                                        ProgramImage& image, const ImageLayout& layout);

}  // namespace zav::link::download
