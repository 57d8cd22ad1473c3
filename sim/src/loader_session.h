#pragma once
// What the validator's firmware passes to its RAM loader when a download
// starts: the image header the host sent and the main block size the
// firmware named; and what a completed download leaves behind: the firmware
// text the unit reports from then on. Used by the serving thread only.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace zav::sim {

struct LoaderSession {
    static constexpr std::size_t kHeaderSize = 128;
    // The block size the firmware names in its answer to the program
    // command, and so the size the loader takes main code in.
    static constexpr std::size_t kMainBlockSize = 4096;

    // Width of the firmware text; its version digits are at 8 to 11
    // ("TM0006 V0118 TM6").
    static constexpr std::size_t kFirmwareWidth = 16;
    static constexpr std::size_t kVersionAt = 8;

    std::array<std::uint8_t, kHeaderSize> header{};
    // The firmware text after a completed download; empty: the profile's.
    std::string firmware;

    // Kinds 9 and 10 keep the loader at 38400 baud; others name their rate
    // at offset 68 (0 for 38400).
    std::uint32_t loader_baud() const {
        constexpr std::uint32_t kDefaultBaud = 38400;
        const std::uint32_t named = be32(68);
        return header[5] == 9 || header[5] == 10 || named == 0 ? kDefaultBaud : named;
    }

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
