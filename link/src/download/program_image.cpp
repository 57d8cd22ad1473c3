#include "program_image.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "download_codes.h"

namespace zav::link::download {
namespace {

constexpr char kMark[] = {'Z', 'A', 'V'};
constexpr std::size_t kOldFormatMarkOffset = 2;
constexpr std::uint8_t kHighestOldTypeLetter = 'c';
// Image kinds whose loader always runs at 38400 baud.
constexpr std::uint8_t kFixedBaudKinds[] = {9, 10};

constexpr std::size_t kKindOffset = 5;
constexpr std::size_t kTypeLetterOffset = 6;
constexpr std::size_t kRamLengthOffset = 7;
constexpr std::size_t kChecksumOffset = 16;
constexpr std::size_t kMainLengthOffset = 17;
constexpr std::size_t kBlockSizeOffset = 62;
constexpr std::size_t kLoaderBaudOffset = 68;
constexpr std::uint64_t kOldBlockSize = 128;
// The old format's header fields end with the flag at offset 7.
constexpr std::uint64_t kOldHeaderFields = 8;

bool has_mark(const ProgramImage& image, std::size_t at) {
    for (std::size_t i = 0; i < sizeof kMark; ++i)
        if (image.byte(at + i) != static_cast<std::uint8_t>(kMark[i])) return false;
    return true;
}

std::uint32_t blocks_of(std::uint32_t length, std::uint32_t block_size) {
    return static_cast<std::uint32_t>((std::uint64_t{length} + block_size - 1) / block_size);
}

// The header fields of an image with the mark at offset 0; false when the
// image is too short to hold its header.
bool read_zav_header(ProgramImage& image, ImageLayout* layout) {
    if (!image.holds(ProgramImage::kHeaderSize)) return false;
    layout->format = ImageFormat::Zav;
    layout->kind = image.byte(kKindOffset);
    layout->type_letter = image.byte(kTypeLetterOffset);
    layout->checksum = image.byte(kChecksumOffset);
    layout->ram_length = image.be32(kRamLengthOffset);
    layout->main_length = image.be32(kMainLengthOffset);
    const std::uint16_t block_size = image.be16(kBlockSizeOffset);
    layout->header_block_size = block_size ? block_size : ImageLayout::kDefaultBlockSize;
    const std::uint32_t baud = image.be32(kLoaderBaudOffset);
    const bool fixed = std::find(std::begin(kFixedBaudKinds), std::end(kFixedBaudKinds),
                                 layout->kind) != std::end(kFixedBaudKinds);
    layout->loader_baud = (fixed || baud == 0) ? ImageLayout::kDefaultLoaderBaud : baud;
    return true;
}

}  // namespace

std::int32_t ProgramImage::read_file(const std::string& name, ProgramImage* image) {
    if (name.empty()) return ZAV_DOWNLOAD_OPEN_FILE_ERROR;
    // Only a regular file can be an image: a device or a pipe might never
    // end, or never open.
    std::error_code error;
    const auto type = std::filesystem::status(name, error).type();
    if (error || type == std::filesystem::file_type::not_found) return ZAV_DOWNLOAD_OPEN_FILE_ERROR;
    if (type != std::filesystem::file_type::regular) return ZAV_DOWNLOAD_READ_FILE_ERROR;
    std::ifstream in(name, std::ios::binary);
    if (!in.is_open()) return ZAV_DOWNLOAD_OPEN_FILE_ERROR;
    std::vector<std::uint8_t> bytes;
    char chunk[65536];
    while (in) {
        in.read(chunk, sizeof chunk);
        const std::streamsize got = in.gcount();
        if (bytes.size() + static_cast<std::size_t>(got) > kMaxFileSize)
            return ZAV_DOWNLOAD_READ_FILE_ERROR;
        bytes.insert(bytes.end(), chunk, chunk + got);
    }
    if (in.bad() || !in.eof()) return ZAV_DOWNLOAD_READ_FILE_ERROR;

    ProgramImage result;
    result.owned_ = std::move(bytes);
    result.bytes_ = result.owned_.data();
    result.size_ = result.owned_.size();
    result.take_header();
    *image = std::move(result);
    return 0;
}

ProgramImage ProgramImage::borrow(const std::uint8_t* bytes) {
    ProgramImage image;
    image.bytes_ = bytes;
    image.size_ = kHeaderSize;
    image.borrowed_ = true;
    image.take_header();
    return image;
}

void ProgramImage::take_header() {
    header_.fill(0xFF);
    // An empty file has no bytes at all (and no buffer to copy from).
    const auto count = static_cast<std::size_t>(std::min<std::uint64_t>(size_, kHeaderSize));
    if (count > 0) std::memcpy(header_.data(), bytes_, count);
}

bool ProgramImage::fit(std::uint64_t length) {
    if (!holds(length)) return false;
    size_ = length;
    return true;
}

std::uint8_t ProgramImage::byte(std::size_t offset) const {
    std::uint8_t value;
    copy(offset, 1, &value);
    return value;
}

std::uint16_t ProgramImage::le16(std::size_t offset) const {
    return static_cast<std::uint16_t>(byte(offset) | byte(offset + 1) << 8);
}

std::uint16_t ProgramImage::be16(std::size_t offset) const {
    return static_cast<std::uint16_t>(byte(offset) << 8 | byte(offset + 1));
}

std::uint32_t ProgramImage::be32(std::size_t offset) const {
    return std::uint32_t{be16(offset)} << 16 | be16(offset + 2);
}

void ProgramImage::copy(std::uint64_t offset, std::size_t count, std::uint8_t* out) const {
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint64_t at = offset + i;
        if (at >= size_)
            out[i] = 0xFF;
        else if (at < kHeaderSize)
            out[i] = header_[at];
        else
            out[i] = bytes_[at];
    }
}

void ProgramImage::set_header_byte(std::size_t offset, std::uint8_t value) {
    if (offset < kHeaderSize) header_[offset] = value;
}

void ProgramImage::release() {
    *this = ProgramImage();
}

std::int32_t check_ram_image(ProgramImage& image, ImageLayout* layout) {
    if (!has_mark(image, 0)) return ZAV_DOWNLOAD_NOT_ZAV_IMAGE;
    if (!read_zav_header(image, layout)) return ZAV_DOWNLOAD_READ_FILE_ERROR;
    // A RAM-only image sends no main code, so only its RAM program must be
    // there; the other transfer reads the main code too.
    std::uint64_t end = layout->main_code_offset();
    if (!layout->ram_only()) end += layout->main_length;
    if (!image.fit(end)) return ZAV_DOWNLOAD_READ_FILE_ERROR;
    layout->block_count = blocks_of(layout->main_length, ImageLayout::kDefaultBlockSize);
    return 0;
}

std::int32_t check_program_image(ProgramImage& image, bool header_block_size, ImageLayout* layout) {
    if (has_mark(image, 0)) {
        if (!read_zav_header(image, layout)) return ZAV_DOWNLOAD_READ_FILE_ERROR;
        if (!image.fit(layout->main_code_offset() + layout->main_length))
            return ZAV_DOWNLOAD_READ_FILE_ERROR;
        const std::uint32_t block_size =
            header_block_size ? layout->header_block_size : ImageLayout::kDefaultBlockSize;
        layout->block_count = blocks_of(layout->main_length, block_size);
        return 0;
    }
    if (!has_mark(image, kOldFormatMarkOffset)) return ZAV_DOWNLOAD_NOT_ZAV_IMAGE;
    layout->format = ImageFormat::OldFormat;
    layout->kind = image.byte(kKindOffset);
    layout->type_letter = image.byte(kTypeLetterOffset);
    if (layout->type_letter > kHighestOldTypeLetter) return ZAV_DOWNLOAD_PROTECTED_IMAGE;
    layout->block_count = image.le16(0);
    if (!image.fit(std::max(layout->block_count * kOldBlockSize, kOldHeaderFields)))
        return ZAV_DOWNLOAD_READ_FILE_ERROR;
    return 0;
}

}  // namespace zav::link::download
