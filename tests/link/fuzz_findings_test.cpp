// Inputs the fuzz targets found to crash the link library (each is also in
// the target's seed corpus): they must give the documented result by
// defined means, which the sanitizer builds check.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "download/download_codes.h"
#include "download/program_image.h"
#include "services/barcode.h"

using namespace zav::link;
using namespace zav::link::download;

// fuzz/corpus/program_images/empty: an empty file has no header to copy.
TEST(FuzzFindings, AnEmptyImageFileIsNoImage) {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / "zav_fuzz_findings_empty.rx1";
    std::ofstream(path, std::ios::binary).close();
    ProgramImage image;
    ASSERT_EQ(ProgramImage::read_file(path.string(), &image), 0);
    ImageLayout layout;
    EXPECT_EQ(check_ram_image(image, &layout), ZAV_DOWNLOAD_NOT_ZAV_IMAGE);
    EXPECT_EQ(check_program_image(image, true, &layout), ZAV_DOWNLOAD_NOT_ZAV_IMAGE);
    std::filesystem::remove(path);
}

// fuzz/corpus/barcode/crash-*: the spike filter drops every width.
TEST(FuzzFindings, ARowWhoseSpikesTakeEveryWidthHasNoStart) {
    for (const std::vector<std::uint8_t> row :
         {std::vector<std::uint8_t>{0x00, 0x01, 0x0A}, {0xFF, 0x00, 0xFF}}) {
        const BarcodeResult result = decode_interleaved_2of5(row);
        EXPECT_EQ(result.code, kBarcodeNoStart);
        EXPECT_TRUE(result.text.empty());
        EXPECT_TRUE(result.elements.empty());
    }
}
