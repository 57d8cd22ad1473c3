// The start checks of a program image: marks, type letters, and headers
// that claim more than the image holds; reading files; and reads that stay
// inside the image.
#include "download/program_image.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "download/download_codes.h"
#include "test_images.h"

using namespace zav::link::download;
using zav::link::test::old_image;
using zav::link::test::put_be;
using zav::link::test::zav_image;
using Bytes = std::vector<std::uint8_t>;

namespace {

// Writes bytes to a file of the test's own and reads it back as an image.
struct ImageFile {
    explicit ImageFile(const Bytes& bytes) {
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }
    ~ImageFile() { std::filesystem::remove(path); }
    std::int32_t read(ProgramImage* image) const { return ProgramImage::read_file(path, image); }

    std::string path = std::filesystem::temp_directory_path() /
                       ("zav_image_" + std::to_string(::getpid()) + ".rx1");
};

std::int32_t check_ram_file(const Bytes& bytes, ImageLayout* layout = nullptr) {
    ImageFile file(bytes);
    ProgramImage image;
    if (const std::int32_t read = file.read(&image)) return read;
    ImageLayout ignored;
    return check_ram_image(image, layout ? layout : &ignored);
}

std::int32_t check_program_file(const Bytes& bytes, ImageLayout* layout = nullptr) {
    ImageFile file(bytes);
    ProgramImage image;
    if (const std::int32_t read = file.read(&image)) return read;
    ImageLayout ignored;
    return check_program_image(image, true, layout ? layout : &ignored);
}

}  // namespace

TEST(ProgramImage, FilesThatCannotBeOpenedOrRead) {
    ProgramImage image;
    EXPECT_EQ(ProgramImage::read_file("", &image), ZAV_DOWNLOAD_OPEN_FILE_ERROR);
    EXPECT_EQ(ProgramImage::read_file("/nonexistent/RX3_ram_ut.rx1", &image),
              ZAV_DOWNLOAD_OPEN_FILE_ERROR);
    EXPECT_EQ(ProgramImage::read_file("/", &image), ZAV_DOWNLOAD_READ_FILE_ERROR);
    EXPECT_EQ(ProgramImage::read_file("/dev/zero", &image), ZAV_DOWNLOAD_READ_FILE_ERROR);
}

TEST(ProgramImage, MarkAndTypeLetterChecks) {
    Bytes not_zav = zav_image({});
    not_zav[2] = 'X';
    EXPECT_EQ(check_ram_file(not_zav), ZAV_DOWNLOAD_NOT_ZAV_IMAGE);
    EXPECT_EQ(check_program_file(not_zav), ZAV_DOWNLOAD_NOT_ZAV_IMAGE);
    EXPECT_EQ(check_ram_file({'Z', 'A'}), ZAV_DOWNLOAD_NOT_ZAV_IMAGE);
    EXPECT_EQ(check_ram_file({}), ZAV_DOWNLOAD_NOT_ZAV_IMAGE);  // an empty file
    EXPECT_EQ(check_program_file({}), ZAV_DOWNLOAD_NOT_ZAV_IMAGE);
    // DownloadRamFile knows no old format.
    EXPECT_EQ(check_ram_file(old_image({})), ZAV_DOWNLOAD_NOT_ZAV_IMAGE);

    EXPECT_EQ(check_program_file(old_image({.type_letter = 'c'})), 0);
    EXPECT_EQ(check_program_file(old_image({.type_letter = 'd'})), ZAV_DOWNLOAD_PROTECTED_IMAGE);
}

TEST(ProgramImage, HeadersClaimingMoreThanTheFileHoldsAreRefused) {
    // RAM program longer than the file.
    Bytes long_ram = zav_image({.type_letter = 'b', .ram_length = 300});
    put_be(long_ram, 7, 301, 4);
    EXPECT_EQ(check_ram_file(long_ram), ZAV_DOWNLOAD_READ_FILE_ERROR);
    put_be(long_ram, 7, 0xFFFFFFFF, 4);
    EXPECT_EQ(check_ram_file(long_ram), ZAV_DOWNLOAD_READ_FILE_ERROR);

    // A RAM-only image sends no main code, so its main length is not read.
    Bytes ram_only = zav_image({.type_letter = 'b', .ram_length = 300});
    put_be(ram_only, 17, 300, 4);
    ImageLayout layout;
    EXPECT_EQ(check_ram_file(ram_only, &layout), 0);
    EXPECT_EQ(layout.main_length / 128, 2u);

    // Any other image sends its main code: all of it must be there.
    Bytes main = zav_image({.type_letter = 'a', .ram_length = 300, .main_length = 1000});
    EXPECT_EQ(check_ram_file(main), 0);
    EXPECT_EQ(check_program_file(main), 0);
    main.pop_back();
    EXPECT_EQ(check_ram_file(main), ZAV_DOWNLOAD_READ_FILE_ERROR);
    EXPECT_EQ(check_program_file(main), ZAV_DOWNLOAD_READ_FILE_ERROR);

    // A header cut short.
    const Bytes whole = zav_image({});
    EXPECT_EQ(check_ram_file(Bytes(whole.begin(), whole.begin() + 100)),
              ZAV_DOWNLOAD_READ_FILE_ERROR);

    // Old format: more blocks than the file holds.
    Bytes old = old_image({.blocks = 3});
    old[0] = 4;
    EXPECT_EQ(check_program_file(old), ZAV_DOWNLOAD_READ_FILE_ERROR);
}

TEST(ProgramImage, BlockCountsAndLoaderBaud) {
    ImageLayout layout;
    const Bytes image = zav_image({.kind = 9,
                                   .type_letter = 'a',
                                   .ram_length = 0,
                                   .main_length = 5000,
                                   .block_size = 1024,
                                   .loader_baud = 57600});
    EXPECT_EQ(check_program_file(image, &layout), 0);
    EXPECT_EQ(layout.block_count, 5u);      // DownloadFile: the header's block size
    EXPECT_EQ(layout.loader_baud, 38400u);  // kind 9 keeps 38400

    ProgramImage borrowed = ProgramImage::borrow(image.data());
    EXPECT_EQ(check_program_image(borrowed, false, &layout), 0);
    EXPECT_EQ(layout.block_count, 2u);  // DownloadArrayData: always 4096

    EXPECT_EQ(check_ram_file(zav_image({.type_letter = 'a', .main_length = 4097}), &layout), 0);
    EXPECT_EQ(layout.block_count, 2u);
    EXPECT_EQ(layout.loader_baud, 38400u);  // 0 in the header

    EXPECT_EQ(check_program_file(old_image({.blocks = 3}), &layout), 0);
    EXPECT_EQ(layout.format, ImageFormat::OldFormat);
    EXPECT_EQ(layout.block_count, 3u);
}

TEST(ProgramImage, ReadsStayInsideTheImageAndHeaderChangesStayPrivate) {
    const Bytes bytes = zav_image({.type_letter = 'a', .ram_length = 10, .main_length = 20});
    ProgramImage image = ProgramImage::borrow(bytes.data());
    ImageLayout layout;
    ASSERT_EQ(check_program_image(image, false, &layout), 0);
    EXPECT_EQ(image.size(), bytes.size());

    Bytes tail(40);
    image.copy(bytes.size() - 20, tail.size(), tail.data());
    EXPECT_TRUE(std::equal(bytes.end() - 20, bytes.end(), tail.begin()));
    EXPECT_TRUE(std::all_of(tail.begin() + 20, tail.end(), [](auto b) { return b == 0xFF; }));

    image.set_header_byte(112, 1);
    EXPECT_EQ(image.byte(112), 1);
    EXPECT_EQ(bytes[112], 0);
}
