#pragma once
// Program images for download tests, built field by field.
#include <cstdint>
#include <vector>

namespace zav::link::test {

struct ZavImageSpec {
    std::uint8_t kind = 0;
    std::uint8_t type_letter = 'b';
    std::uint32_t ram_length = 300;
    std::uint32_t main_length = 0;
    std::uint16_t block_size = 0;   // 0 = 4096
    std::uint32_t loader_baud = 0;  // 0 = 38400
};

inline void put_be(std::vector<std::uint8_t>& image, std::size_t at, std::uint32_t value,
                   int bytes) {
    for (int i = 0; i < bytes; ++i)
        image[at + i] = static_cast<std::uint8_t>(value >> (8 * (bytes - 1 - i)));
}

// Header, RAM program (bytes i * 7 + 1) and main code (bytes i * 13 + 5).
// The checksum byte is the sum of the RAM program bytes.
inline std::vector<std::uint8_t> zav_image(const ZavImageSpec& shape) {
    std::vector<std::uint8_t> image(128 + shape.ram_length + shape.main_length, 0);
    image[0] = 'Z';
    image[1] = 'A';
    image[2] = 'V';
    image[5] = shape.kind;
    image[6] = shape.type_letter;
    put_be(image, 7, shape.ram_length, 4);
    put_be(image, 17, shape.main_length, 4);
    put_be(image, 62, shape.block_size, 2);
    put_be(image, 68, shape.loader_baud, 4);
    std::uint8_t sum = 0;
    for (std::uint32_t i = 0; i < shape.ram_length; ++i) {
        image[128 + i] = static_cast<std::uint8_t>(i * 7 + 1);
        sum = static_cast<std::uint8_t>(sum + image[128 + i]);
    }
    image[16] = sum;
    for (std::uint32_t i = 0; i < shape.main_length; ++i)
        image[128 + shape.ram_length + i] = static_cast<std::uint8_t>(i * 13 + 5);
    return image;
}

struct OldImageSpec {
    std::uint16_t blocks = 3;
    std::uint8_t program_type = 0;
    std::uint8_t type_letter = 'a';
    std::uint8_t flag = 0;
    const char* version = nullptr;  // three digits at 65303, if given
};

// Old format: block count, "ZAV" at 2, type, letter, flag; then bytes
// i * 3 + 2.
inline std::vector<std::uint8_t> old_image(const OldImageSpec& shape) {
    std::vector<std::uint8_t> image(std::size_t{shape.blocks} * 128);
    for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<std::uint8_t>(i * 3 + 2);
    image.resize(std::max<std::size_t>(image.size(), 8));
    image[0] = static_cast<std::uint8_t>(shape.blocks & 0xFF);
    image[1] = static_cast<std::uint8_t>(shape.blocks >> 8);
    image[2] = 'Z';
    image[3] = 'A';
    image[4] = 'V';
    image[5] = shape.program_type;
    image[6] = shape.type_letter;
    image[7] = shape.flag;
    if (shape.version && image.size() >= 65306)
        for (int i = 0; i < 3; ++i) image[65303 + i] = static_cast<std::uint8_t>(shape.version[i]);
    return image;
}

}  // namespace zav::link::test
