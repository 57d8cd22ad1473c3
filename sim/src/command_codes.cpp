#include "command_codes.h"

namespace zav::sim {

CommandKey command_key(const std::uint8_t* data, std::size_t count) {
    // No other command is a whole block long; a header starts with the mark.
    if (count == kDownloadBlockSize && data[0] != 'Z') return kDownloadBlock;
    if (count >= 3 && data[0] == kExpansion && data[1] == kExpansionSelector)
        return expansion(data[2]);
    return count >= 1 ? data[0] : kAnyCommand;
}

}  // namespace zav::sim
