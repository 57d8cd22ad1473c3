#pragma once
// A program image for the unit, read and checked before anything is sent:
// its header's mark, lengths, block size and loader rate, or the old
// format's block count, type letter and version. The file is outside input:
// every field is checked against the bytes that are there.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <span>

namespace zav::programming {

enum class ImageFormat {
    Loader,     // mark at offset 0: RAM loader, reconnection, main code
    OldFormat,  // mark at offset 2: the whole image as 128-byte commands
};

struct ImageSummary {
    ImageFormat format = ImageFormat::Loader;
    std::uint8_t kind = 0;  // image kind (offset 5); old format: program type
    char typeLetter = 0;
    std::uint32_t ramLength = 0;      // old format: 0
    std::uint32_t mainLength = 0;     // old format: the whole image's blocks
    std::uint32_t blockSize = 0;      // 128 in the old format
    std::uint32_t blocks = 0;         // what the transfer sends
    std::uint32_t loaderBaud = 0;     // old format: 0 (no loader)
    std::optional<int> version;       // old format: the three digits, when checked
    bool skipsVersionChecks = false;  // old format: flag byte 7 is 1
    bool standIn = false;             // a simulator's image
};

// Why an image is not sent: one line about the file. `startResult` is the
// link library's start result of the same meaning, 0 where the library
// would not see the fault.
struct ImageRefusal {
    QString reason;
    std::int32_t startResult = 0;
};

struct ImageCheck {
    std::optional<ImageSummary> summary;  // set when the image may be sent
    ImageRefusal refusal;                 // otherwise
};

// The largest image taken: more than any unit holds.
constexpr qint64 kMaxImageBytes = 64 * 1024 * 1024;

// Checks the image's bytes.
ImageCheck CheckImage(std::span<const std::uint8_t> bytes);

struct ImageFile {
    QString path;
    QByteArray bytes;  // the whole file when it was read
    ImageCheck check;
};

// Reads and checks the file at `path`. An empty file, a folder, a device, a
// FIFO, a file that cannot be opened or read, or one larger than
// kMaxImageBytes is refused without reading on.
ImageFile ReadImageFile(const QString& path);

// The summary as lines "Format: ...", "Kind: ...", ... for both front ends.
QStringList SummaryLines(const ImageSummary& summary);

}  // namespace zav::programming
