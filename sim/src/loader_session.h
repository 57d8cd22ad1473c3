#pragma once
// What the validator's firmware passes to its RAM loader when a download
// starts: the image header the host sent and the main block size the
// firmware named. Used by the serving thread only.
#include <array>
#include <cstddef>
#include <cstdint>

namespace zav::sim {

struct LoaderSession {
    static constexpr std::size_t kHeaderSize = 128;
    // The block size the firmware names in its answer to the program
    // command, and so the size the loader takes main code in.
    static constexpr std::size_t kMainBlockSize = 4096;

    std::array<std::uint8_t, kHeaderSize> header{};

    std::uint8_t type_letter() const { return header[6]; }
    std::uint8_t checksum() const { return header[16]; }
    std::uint32_t ram_length() const { return be32(7); }
    std::uint32_t main_length() const { return be32(17); }
    bool ram_only() const { return type_letter() == 'b'; }

  private:
    std::uint32_t be32(std::size_t at) const {
        return std::uint32_t{header[at]} << 24 | std::uint32_t{header[at + 1]} << 16 |
               std::uint32_t{header[at + 2]} << 8 | header[at + 3];
    }
};

}  // namespace zav::sim
