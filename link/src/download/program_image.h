#pragma once
// A program image to download: read from a file into memory of our own, or
// the caller's image in memory. Every read is bounded: bytes past the end
// of the image read as 0xFF, the fill of a last block that is not whole.
// The first 128 bytes are a private copy, so the changes a transfer makes
// to the header never reach the caller's memory.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zav::link::download {

class ProgramImage {
  public:
    static constexpr std::size_t kHeaderSize = 128;
    // Larger files are not program images; refusing them keeps a stray
    // device file or a huge file from exhausting memory.
    static constexpr std::size_t kMaxFileSize = 32u << 20;

    ProgramImage() = default;
    // Reads the whole file. Returns 0, ZAV_DOWNLOAD_OPEN_FILE_ERROR (no such file, empty
    // name, no access) or ZAV_DOWNLOAD_READ_FILE_ERROR (not a regular file, a read error,
    // larger than kMaxFileSize).
    static std::int32_t read_file(const std::string& name, ProgramImage* image);
    // The caller's image, which must hold 128 bytes and everything its
    // header describes; it is never written or freed.
    static ProgramImage borrow(const std::uint8_t* bytes);

    // True when the image holds `length` bytes (a borrowed image is taken
    // to hold what its header describes).
    bool holds(std::uint64_t length) const { return borrowed_ || length <= size_; }
    // The described content ends at `length`: reads beyond it give 0xFF.
    // False when the image does not hold that much (it is then unchanged).
    bool fit(std::uint64_t length);
    std::uint64_t size() const { return size_; }

    std::uint8_t byte(std::size_t offset) const;
    std::uint16_t le16(std::size_t offset) const;
    std::uint16_t be16(std::size_t offset) const;
    std::uint32_t be32(std::size_t offset) const;
    // Copies count bytes from offset (0xFF past the end).
    void copy(std::uint64_t offset, std::size_t count, std::uint8_t* out) const;
    // Changes a byte of the header copy.
    void set_header_byte(std::size_t offset, std::uint8_t value);
    // Frees what was read from a file.
    void release();

  private:
    void take_header();

    std::vector<std::uint8_t> owned_;
    const std::uint8_t* bytes_ = nullptr;
    std::uint64_t size_ = 0;
    bool borrowed_ = false;
    std::array<std::uint8_t, kHeaderSize> header_{};
};

enum class ImageFormat {
    Zav,        // mark at offset 0: header, RAM program, main code
    OldFormat,  // mark at offset 2: 128-byte blocks sent as commands
};

// What the header says about the image.
struct ImageLayout {
    static constexpr std::uint32_t kDefaultBlockSize = 4096;
    static constexpr std::uint32_t kDefaultLoaderBaud = 38400;
    static constexpr std::size_t kRamProgramOffset = ProgramImage::kHeaderSize;

    ImageFormat format = ImageFormat::Zav;
    std::uint8_t kind = 0;         // offset 5
    std::uint8_t type_letter = 0;  // offset 6
    std::uint8_t checksum = 0;     // offset 16
    std::uint32_t ram_length = 0;  // L
    std::uint32_t main_length = 0;
    std::uint32_t header_block_size = kDefaultBlockSize;  // offset 62, 0 = 4096
    std::uint32_t loader_baud = kDefaultLoaderBaud;       // offset 68 or by kind
    std::uint32_t block_count = 0;                        // blocks the worker sends

    std::uint64_t main_code_offset() const { return kRamProgramOffset + std::uint64_t{ram_length}; }
    bool ram_only() const { return type_letter == 'b'; }
};

// DownloadRamFile's checks: the mark at offset 0 (ZAV_DOWNLOAD_NOT_ZAV_IMAGE), a whole
// header and everything the transfer will read inside the image
// (ZAV_DOWNLOAD_READ_FILE_ERROR). Block count = main code in 4096-byte blocks. Returns 0
// and fills layout, or the start result.
std::int32_t check_ram_image(ProgramImage& image, ImageLayout* layout);

// DownloadFile's and DownloadArrayData's checks: the mark at offset 0, or
// at offset 2 for the old format (ZAV_DOWNLOAD_NOT_ZAV_IMAGE) whose type letter must not
// be above 'c' (ZAV_DOWNLOAD_PROTECTED_IMAGE), and content inside the image
// (ZAV_DOWNLOAD_READ_FILE_ERROR). header_block_size: count main blocks by the header's
// block size (DownloadFile) rather than 4096.
std::int32_t check_program_image(ProgramImage& image, bool header_block_size, ImageLayout* layout);

}  // namespace zav::link::download
