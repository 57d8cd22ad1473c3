#pragma once
// The download state the caller reads while a worker runs. The worker (or
// the start call, before it starts one) is the only writer of each item;
// the status calls only read, so every item is atomic. The initial values
// are the ones at library load: nothing running, stage idle.
#include <atomic>
#include <cstdint>

#include "download_codes.h"

namespace zav::link::download {

struct DownloadStatus {
    // Progress or result of the main-code and old-format transfers.
    std::atomic<std::int32_t> download_data{0};
    // Progress or result of the RAM transfer.
    std::atomic<std::int32_t> ram_download_data{0};
    // Progress of the reconnecting transfer.
    std::atomic<std::int32_t> total{0};
    std::atomic<std::int32_t> current{0};
    std::atomic<std::int32_t> stage{ZAV_DOWNLOAD_STAGE_IDLE};
    // Old format only: 1 = switch to 28800 baud first.
    std::atomic<std::int32_t> speed_flag{1};
    // Bit 0 goes into header offset 112 of the reconnecting transfer.
    std::atomic<std::uint8_t> option_flag{0};
};

}  // namespace zav::link::download
