#include "zav/programming/program_image.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "ZavtekVLP.h"
#include "zav/sim/stand_in_image.h"

namespace zav::programming {
namespace {

constexpr std::size_t kHeaderSize = 128;
constexpr std::uint32_t kDefaultBlockSize = 4096;
constexpr std::uint32_t kOldBlockSize = 128;
constexpr std::uint32_t kDefaultLoaderBaud = 38400;
constexpr char kRamOnlyType = 'b';
constexpr char kHighestOldType = 'c';
// Header fields.
constexpr std::size_t kKindAt = 5;
constexpr std::size_t kTypeAt = 6;
constexpr std::size_t kRamLengthAt = 7;
constexpr std::size_t kMainLengthAt = 17;
constexpr std::size_t kBlockSizeAt = 62;
constexpr std::size_t kLoaderBaudAt = 68;
// Old format.
constexpr std::size_t kOldMarkAt = 2;
constexpr std::size_t kOldFlagAt = 7;
constexpr std::size_t kOldHeaderSize = 8;
constexpr std::uint8_t kSkipVersionChecks = 1;
constexpr std::size_t kVersionAt = 65303;
constexpr std::size_t kVersionDigits = 3;
// The rates a loader can be asked to run at.
constexpr std::uint32_t kLoaderRates[] = {9600, 19200, 28800, 38400, 57600, 115200};

std::uint32_t be(std::span<const std::uint8_t> b, std::size_t at, int bytes) {
    std::uint32_t value = 0;
    for (int i = 0; i < bytes; ++i) value = value << 8 | b[at + static_cast<std::size_t>(i)];
    return value;
}

bool markAt(std::span<const std::uint8_t> b, std::size_t at) {
    return b.size() >= at + 3 && b[at] == 'Z' && b[at + 1] == 'A' && b[at + 2] == 'V';
}

ImageCheck refuse(QString reason, std::int32_t startResult = 0) {
    return {std::nullopt, {std::move(reason), startResult}};
}

QString letter(std::uint8_t byte) {
    return byte >= 0x20 && byte < 0x7F ? QStringLiteral("'%1'").arg(QChar(byte))
                                       : QStringLiteral("0x%1").arg(byte, 2, 16, QChar(u'0'));
}

ImageCheck checkLoaderImage(std::span<const std::uint8_t> b) {
    if (b.size() < kHeaderSize)
        return refuse(QCoreApplication::translate(
                          "zav",
                          "the file holds %1 bytes, shorter than the 128-byte header of a program "
                          "image")
                          .arg(b.size()),
                      ZAV_DOWNLOAD_READ_FILE_ERROR);
    ImageSummary s;
    s.format = ImageFormat::Loader;
    s.kind = b[kKindAt];
    s.typeLetter = static_cast<char>(b[kTypeAt]);
    if (s.typeLetter == kRamOnlyType)
        return refuse(QCoreApplication::translate(
            "zav",
            "the image holds only a RAM program (type letter 'b'), a RAM utility, "
            "not a program for the unit"));
    s.ramLength = be(b, kRamLengthAt, 4);
    s.mainLength = be(b, kMainLengthAt, 4);
    if (s.ramLength == 0)
        return refuse(
            QCoreApplication::translate("zav", "the header names no RAM loader (length 0)"));
    if (s.mainLength == 0)
        return refuse(
            QCoreApplication::translate("zav", "the header names no main code (length 0)"));
    const std::uint64_t needed = std::uint64_t{kHeaderSize} + s.ramLength + s.mainLength;
    if (needed > b.size())
        return refuse(QCoreApplication::translate(
                          "zav",
                          "the header describes %1 bytes (RAM loader %2, main code %3) but the "
                          "file holds %4")
                          .arg(needed)
                          .arg(s.ramLength)
                          .arg(s.mainLength)
                          .arg(b.size()),
                      ZAV_DOWNLOAD_READ_FILE_ERROR);
    s.blockSize = be(b, kBlockSizeAt, 2);
    if (s.blockSize == 0) s.blockSize = kDefaultBlockSize;
    if (s.blockSize % kOldBlockSize != 0)
        return refuse(
            QCoreApplication::translate("zav", "the block size %1 is not a multiple of 128")
                .arg(s.blockSize));
    s.blocks =
        static_cast<std::uint32_t>((std::uint64_t{s.mainLength} + s.blockSize - 1) / s.blockSize);
    const std::uint32_t named = be(b, kLoaderBaudAt, 4);
    s.loaderBaud = s.kind == 9 || s.kind == 10 || named == 0 ? kDefaultLoaderBaud : named;
    if (std::find(std::begin(kLoaderRates), std::end(kLoaderRates), s.loaderBaud) ==
        std::end(kLoaderRates))
        return refuse(QCoreApplication::translate(
                          "zav", "the loader baud rate %1 is not one a serial line runs at")
                          .arg(s.loaderBaud));
    s.standIn = sim::is_stand_in_image(b);
    return {s, {}};
}

ImageCheck checkOldImage(std::span<const std::uint8_t> b) {
    if (b.size() < kOldHeaderSize)
        return refuse(QCoreApplication::translate(
                          "zav", "the file holds %1 bytes, shorter than an old-format header")
                          .arg(b.size()),
                      ZAV_DOWNLOAD_READ_FILE_ERROR);
    ImageSummary s;
    s.format = ImageFormat::OldFormat;
    s.kind = b[kKindAt];
    s.typeLetter = static_cast<char>(b[kTypeAt]);
    if (b[kTypeAt] > kHighestOldType)
        return refuse(QCoreApplication::translate(
                          "zav", "old-format image of type letter %1, above 'c': protected")
                          .arg(letter(b[kTypeAt])),
                      ZAV_DOWNLOAD_PROTECTED_IMAGE);
    s.blocks = std::uint32_t{b[0]} | std::uint32_t{b[1]} << 8;
    s.blockSize = kOldBlockSize;
    if (s.blocks == 0)
        return refuse(QCoreApplication::translate("zav", "the old-format header names no blocks"));
    const std::uint64_t needed = std::uint64_t{s.blocks} * kOldBlockSize;
    if (needed > b.size())
        return refuse(QCoreApplication::translate(
                          "zav",
                          "the header names %1 blocks of 128 bytes (%2 bytes) but the file holds "
                          "%3")
                          .arg(s.blocks)
                          .arg(needed)
                          .arg(b.size()),
                      ZAV_DOWNLOAD_READ_FILE_ERROR);
    s.mainLength = static_cast<std::uint32_t>(needed);
    s.skipsVersionChecks = b[kOldFlagAt] == kSkipVersionChecks;
    // The unit compares the image's version with its own unless the image
    // says to skip that or is not a main program.
    if (!s.skipsVersionChecks && s.kind == 0) {
        if (needed < kVersionAt + kVersionDigits)
            return refuse(QCoreApplication::translate(
                "zav", "the image is too short to carry its version (at offset 65303)"));
        int version = 0;
        for (std::size_t i = 0; i < kVersionDigits; ++i) {
            const std::uint8_t digit = b[kVersionAt + i];
            if (digit < '0' || digit > '9')
                return refuse(QCoreApplication::translate(
                    "zav", "the version at offset 65303 is not three digits"));
            version = version * 10 + (digit - '0');
        }
        s.version = version;
    }
    s.standIn = sim::is_stand_in_image(b);
    return {s, {}};
}

}  // namespace

ImageCheck CheckImage(std::span<const std::uint8_t> bytes) {
    if (bytes.empty())
        return refuse(QCoreApplication::translate("zav", "the file is empty"),
                      ZAV_DOWNLOAD_READ_FILE_ERROR);
    if (markAt(bytes, 0)) return checkLoaderImage(bytes);
    if (markAt(bytes, kOldMarkAt)) return checkOldImage(bytes);
    return refuse(QCoreApplication::translate(
                      "zav", "not a program image: the mark \"ZAV\" is missing at offsets 0 and 2"),
                  ZAV_DOWNLOAD_NOT_ZAV_IMAGE);
}

ImageFile ReadImageFile(const QString& path) {
    ImageFile file{path, {}, {}};
    const QFileInfo info(path);
    const auto refused = [&](QString reason, std::int32_t code) {
        file.check = refuse(std::move(reason), code);
        return file;
    };
    if (!info.exists())
        return refused(QCoreApplication::translate("zav", "there is no such file"),
                       ZAV_DOWNLOAD_OPEN_FILE_ERROR);
    if (info.isDir())
        return refused(QCoreApplication::translate("zav", "it is a folder, not a file"),
                       ZAV_DOWNLOAD_READ_FILE_ERROR);
    // A device or a FIFO might never end, or never begin.
    if (!info.isFile())
        return refused(
            QCoreApplication::translate("zav", "it is a device or a FIFO, not a regular file"),
            ZAV_DOWNLOAD_READ_FILE_ERROR);
    if (info.size() == 0)
        return refused(QCoreApplication::translate("zav", "the file is empty"),
                       ZAV_DOWNLOAD_READ_FILE_ERROR);
    if (info.size() > kMaxImageBytes)
        return refused(
            QCoreApplication::translate("zav", "the file holds %1 bytes, more than any unit takes")
                .arg(info.size()),
            ZAV_DOWNLOAD_READ_FILE_ERROR);
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return refused(
            QCoreApplication::translate("zav", "it cannot be opened: %1").arg(in.errorString()),
            ZAV_DOWNLOAD_OPEN_FILE_ERROR);
    file.bytes = in.read(kMaxImageBytes + 1);
    if (in.error() != QFileDevice::NoError)
        return refused(
            QCoreApplication::translate("zav", "it cannot be read: %1").arg(in.errorString()),
            ZAV_DOWNLOAD_READ_FILE_ERROR);
    if (file.bytes.size() > kMaxImageBytes)
        return refused(
            QCoreApplication::translate("zav", "the file grew past %1 bytes while it was read")
                .arg(kMaxImageBytes),
            ZAV_DOWNLOAD_READ_FILE_ERROR);
    file.check = CheckImage({reinterpret_cast<const std::uint8_t*>(file.bytes.constData()),
                             static_cast<std::size_t>(file.bytes.size())});
    if (!file.check.summary) file.bytes.clear();
    return file;
}

QStringList SummaryLines(const ImageSummary& s) {
    QStringList lines;
    const bool old = s.format == ImageFormat::OldFormat;
    lines << QCoreApplication::translate("zav", "Format: %1")
                 .arg(old ? QCoreApplication::translate("zav",
                                                        "old format (128-byte blocks as commands)")
                          : QCoreApplication::translate("zav",
                                                        "RAM loader, reconnection, main code"));
    lines << QCoreApplication::translate("zav", "Kind: %1").arg(s.kind);
    lines << QCoreApplication::translate("zav", "Type letter: %1")
                 .arg(letter(static_cast<std::uint8_t>(s.typeLetter)));
    if (!old) lines << QCoreApplication::translate("zav", "RAM program: %1 bytes").arg(s.ramLength);
    lines << QCoreApplication::translate("zav", "Main code: %1 bytes").arg(s.mainLength);
    lines << QCoreApplication::translate("zav", "Blocks: %1 of %2 bytes")
                 .arg(s.blocks)
                 .arg(s.blockSize);
    if (!old) lines << QCoreApplication::translate("zav", "Loader baud rate: %1").arg(s.loaderBaud);
    if (old)
        lines << QCoreApplication::translate("zav", "Version: %1")
                     .arg(s.version
                              ? QString::number(*s.version)
                              : QCoreApplication::translate(
                                    "zav", "not checked (the image skips the version checks)"));
    if (s.standIn)
        lines << QCoreApplication::translate(
            "zav", "Simulator stand-in image: only a simulated unit takes it");
    return lines;
}

}  // namespace zav::programming
