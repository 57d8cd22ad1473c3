// The image checks: every refusal names what is wrong with the file, and a
// sound image's summary carries its header's fields.
#include "zav/programming/program_image.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <QTemporaryDir>

#include "core_test_support.h"
#include "test_images.h"
#include "zav/sim/stand_in_image.h"

namespace zav::programming {
namespace {

using link::test::old_image;
using link::test::OldImageSpec;
using link::test::zav_image;
using link::test::ZavImageSpec;
using Bytes = std::vector<std::uint8_t>;

ImageCheck check(const Bytes& image) {
    return CheckImage(image);
}

QString refusal(const Bytes& image) {
    const ImageCheck c = check(image);
    EXPECT_FALSE(c.summary);
    return c.refusal.reason;
}

TEST(ProgramImageTest, LoaderImageSummaryCarriesItsHeader) {
    Bytes image = zav_image({9, 'a', 300, 10000, 2048, 57600});
    const ImageCheck c = check(image);
    ASSERT_TRUE(c.summary) << c.refusal.reason.toStdString();
    EXPECT_EQ(c.summary->format, ImageFormat::Loader);
    EXPECT_EQ(c.summary->kind, 9);
    EXPECT_EQ(c.summary->typeLetter, 'a');
    EXPECT_EQ(c.summary->ramLength, 300u);
    EXPECT_EQ(c.summary->mainLength, 10000u);
    EXPECT_EQ(c.summary->blockSize, 2048u);
    EXPECT_EQ(c.summary->blocks, 5u);          // 10000 / 2048 rounded up
    EXPECT_EQ(c.summary->loaderBaud, 38400u);  // kind 9 keeps 38400
    EXPECT_FALSE(c.summary->standIn);

    image[5] = 0;
    EXPECT_EQ(check(image).summary->loaderBaud, 57600u);
    const QStringList lines = SummaryLines(*check(image).summary);
    EXPECT_TRUE(lines.contains("Blocks: 5 of 2048 bytes")) << lines.join('|').toStdString();
    EXPECT_TRUE(lines.contains("Loader baud rate: 57600"));

    // Block size 0 means 4096, loader rate 0 means 38400.
    const ImageCheck d = check(zav_image({0, 'a', 300, 8193, 0, 0}));
    ASSERT_TRUE(d.summary);
    EXPECT_EQ(d.summary->blockSize, 4096u);
    EXPECT_EQ(d.summary->blocks, 3u);
    EXPECT_EQ(d.summary->loaderBaud, 38400u);

    EXPECT_TRUE(check(sim::stand_in_program_image("TM0006 V0900 TM6", 4096)).summary->standIn);
}

TEST(ProgramImageTest, LoaderImageRefusals) {
    EXPECT_EQ(refusal({}), "the file is empty");
    EXPECT_EQ(refusal({'Z', 'A', 'V', 0, 0}),
              "the file holds 5 bytes, shorter than the 128-byte header of a program image");
    EXPECT_EQ(check({'X', 'Y', 'Z', 0, 0, 0, 0, 0}).refusal.startResult, 0x100003);
    EXPECT_TRUE(refusal({'X', 'Y', 'Z'}).contains("mark \"ZAV\" is missing"));

    Bytes shorter = zav_image({0, 'a', 300, 5000});
    shorter.pop_back();
    EXPECT_EQ(refusal(shorter),
              "the header describes 5428 bytes (RAM loader 300, main code "
              "5000) but the file holds 5427");
    // Lengths near 2^32 must not wrap around the check.
    Bytes huge = zav_image({0, 'a', 300, 5000});
    link::test::put_be(huge, 7, 0xFFFFFFFF, 4);
    link::test::put_be(huge, 17, 0xFFFFFF00, 4);
    EXPECT_TRUE(refusal(huge).startsWith("the header describes"));

    EXPECT_TRUE(refusal(zav_image({0, 'b', 300, 0})).contains("only a RAM program"));
    EXPECT_EQ(refusal(zav_image({0, 'a', 0, 4096})), "the header names no RAM loader (length 0)");
    EXPECT_EQ(refusal(zav_image({0, 'a', 300, 0})), "the header names no main code (length 0)");
    EXPECT_EQ(refusal(zav_image({0, 'a', 300, 4096, 1000})),
              "the block size 1000 is not a multiple of 128");
    EXPECT_EQ(refusal(zav_image({0, 'a', 300, 4096, 0, 12345})),
              "the loader baud rate 12345 is not one a serial line runs at");
}

TEST(ProgramImageTest, OldFormatVersionTypeAndBlocks) {
    const ImageCheck skip = check(old_image({3, 0, 'a', 1}));
    ASSERT_TRUE(skip.summary);
    EXPECT_EQ(skip.summary->format, ImageFormat::OldFormat);
    EXPECT_EQ(skip.summary->blocks, 3u);
    EXPECT_FALSE(skip.summary->version);
    EXPECT_TRUE(skip.summary->skipsVersionChecks);

    const ImageCheck versioned = check(old_image({511, 0, 'c', 0, "108"}));
    ASSERT_TRUE(versioned.summary);
    EXPECT_EQ(versioned.summary->version, 108);
    EXPECT_TRUE(SummaryLines(*versioned.summary).contains("Version: 108"));

    const ImageCheck protectedImage = check(old_image({3, 0, 'd', 1}));
    EXPECT_EQ(protectedImage.refusal.startResult, 0x100006);
    EXPECT_EQ(protectedImage.refusal.reason,
              "old-format image of type letter 'd', above 'c': protected");

    // Version checks need the digits: too short, or not digits.
    EXPECT_TRUE(refusal(old_image({3, 0, 'a', 0})).contains("too short to carry its version"));
    EXPECT_EQ(refusal(old_image({511, 0, 'a', 0, "1x9"})),
              "the version at offset 65303 is not three digits");
    // A program type other than 0 is not version-checked.
    EXPECT_TRUE(check(old_image({3, 2, 'a', 0})).summary);

    Bytes shorter = old_image({3, 0, 'a', 1});
    shorter.resize(300);
    EXPECT_EQ(refusal(shorter),
              "the header names 3 blocks of 128 bytes (384 bytes) but the file holds 300");
    Bytes none = old_image({3, 0, 'a', 1});
    none[0] = none[1] = 0;
    EXPECT_EQ(refusal(none), "the old-format header names no blocks");
    EXPECT_EQ(refusal({0, 0, 'Z', 'A', 'V'}),
              "the file holds 5 bytes, shorter than an old-format header");
}

TEST(ProgramImageTest, FilesThatAreNoImagesAreRefusedWithoutReading) {
    app::test::ensureApplication();
    QTemporaryDir dir;
    const QString empty = dir.filePath("empty.zav");
    QFile(empty).open(QIODevice::WriteOnly);
    const QString fifo = dir.filePath("pipe.zav");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const struct {
        QString path;
        const char* reason;
        std::int32_t code;
    } cases[] = {
        {dir.filePath("missing.zav"), "there is no such file", 0x100001},
        {dir.path(), "it is a folder, not a file", 0x100002},
        {"/dev/zero", "it is a device or a FIFO, not a regular file", 0x100002},
        {fifo, "it is a device or a FIFO, not a regular file", 0x100002},
        {empty, "the file is empty", 0x100002},
    };
    for (const auto& c : cases) {
        const ImageFile file = ReadImageFile(c.path);
        EXPECT_FALSE(file.check.summary);
        EXPECT_EQ(file.check.refusal.reason, c.reason) << c.path.toStdString();
        EXPECT_EQ(file.check.refusal.startResult, c.code);
        EXPECT_TRUE(file.bytes.isEmpty());
    }

    const Bytes image = zav_image({0, 'a', 300, 5000});
    QFile out(dir.filePath("good.zav"));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(reinterpret_cast<const char*>(image.data()), static_cast<qint64>(image.size()));
    out.close();
    const ImageFile good = ReadImageFile(out.fileName());
    ASSERT_TRUE(good.check.summary);
    EXPECT_EQ(good.bytes.size(), static_cast<qsizetype>(image.size()));
}

}  // namespace
}  // namespace zav::programming
