// A program image file through the checks of both download calls: the RAM
// download's (mark, header, RAM program and main code inside the file) and
// the program download's (either format, protected images, block sizes),
// then every block the transfer would read.
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "download/program_image.h"

using namespace zav::link::download;

namespace {

// Reads every byte the layout describes, as the transfer does, bounded so
// that a header claiming gigabytes costs no time.
void readBlocks(const ProgramImage& image, const ImageLayout& layout, std::uint32_t blockSize) {
    constexpr std::uint64_t kMaxRead = 1u << 20;
    std::vector<std::uint8_t> block(blockSize ? blockSize : 1);
    const std::uint64_t end = std::min<std::uint64_t>(
        layout.main_code_offset() + std::uint64_t{layout.block_count} * block.size(), kMaxRead);
    for (std::uint64_t at = 0; at < end; at += block.size()) {
        image.copy(at, block.size(), block.data());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The image is a file, as the download calls take it; a memory file
    // keeps the disk out of the loop.
    static const int fd = memfd_create("program_image", 0);
    static const std::string path = "/proc/self/fd/" + std::to_string(fd);
    if (fd < 0 || ftruncate(fd, 0) != 0 ||
        (size && pwrite(fd, data, size, 0) != static_cast<ssize_t>(size))) {
        return 0;
    }
    for (int call = 0; call < 3; ++call) {
        ProgramImage image;
        if (ProgramImage::read_file(path, &image) != 0) return 0;
        ImageLayout layout;
        const std::int32_t result = call == 0 ? check_ram_image(image, &layout)
                                              : check_program_image(image, call == 2, &layout);
        if (result == 0) {
            readBlocks(image, layout,
                       call == 2 ? layout.header_block_size : ImageLayout::kDefaultBlockSize);
        }
        image.release();
    }
    return 0;
}
