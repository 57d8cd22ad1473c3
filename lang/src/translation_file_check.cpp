#include "zav/lang/translation_file_check.h"

#include <cstdint>
#include <cstring>

namespace zav::lang {
namespace {

constexpr unsigned char kMagic[16] = {0x3c, 0xb8, 0x64, 0x18, 0xca, 0xef, 0x9c, 0x95,
                                      0xcd, 0x21, 0x1c, 0xbf, 0x60, 0xa1, 0xbd, 0xdd};

// The blocks of a translation file. A context table or a list of files to
// load beside it never comes from lrelease for our sources: refused.
enum Block : unsigned char {
    kContexts = 0x2f,
    kHashes = 0x42,
    kMessages = 0x69,
    kNumerusRules = 0x88,
    kDependencies = 0x96,
    kLanguage = 0xa7,
};

// The fields of one message.
enum Field : unsigned char {
    kEnd = 1,
    kTranslation = 3,
    kObsolete1 = 5,
    kSourceText = 6,
    kContext = 7,
    kComment = 8,
};

struct Span {
    const unsigned char* data = nullptr;
    std::size_t size = 0;
};

std::uint32_t read32(const unsigned char* p) {
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) |
           std::uint32_t{p[3]};
}

// One message from `at` to its end field, every length inside the block.
// A field the lookup does not know ends the lookup there, so it ends the
// walk too.
bool isSoundMessage(const Span& messages, std::size_t at) {
    while (at < messages.size) {
        const unsigned char field = messages.data[at++];
        switch (field) {
            case kEnd:
                return true;
            case kObsolete1:
                if (messages.size - at < 4) return false;
                at += 4;
                break;
            case kTranslation:
            case kSourceText:
            case kContext:
            case kComment: {
                if (messages.size - at < 4) return false;
                const std::uint32_t length = read32(messages.data + at);
                at += 4;
                if (length > messages.size - at) return false;
                if (field == kTranslation && length % 2 != 0) return false;
                at += length;
                break;
            }
            default:
                return true;
        }
    }
    return false;
}

}  // namespace

bool isSoundTranslationFile(QByteArrayView contents) {
    const auto* data = reinterpret_cast<const unsigned char*>(contents.data());
    const auto size = static_cast<std::size_t>(contents.size());
    if (size < sizeof kMagic || std::memcmp(data, kMagic, sizeof kMagic) != 0) return false;
    Span hashes;
    Span messages;
    bool seen[256] = {};
    std::size_t at = sizeof kMagic;
    // The reader stops at a block header that does not fit or has a zero
    // tag or length; the same rule here, so both see the same blocks.
    while (size - at > 5) {
        const unsigned char tag = data[at];
        const std::uint32_t length = read32(data + at + 1);
        if (tag == 0 || length == 0) break;
        at += 5;
        if (length > size - at) return false;
        if (seen[tag]) return false;
        seen[tag] = true;
        const Span block{data + at, length};
        switch (tag) {
            case kHashes:
                hashes = block;
                break;
            case kMessages:
                messages = block;
                break;
            case kNumerusRules:
            case kLanguage:
                break;
            case kContexts:
            case kDependencies:
            default:
                return false;
        }
        at += length;
    }
    if (hashes.size % 8 != 0) return false;
    for (std::size_t entry = 0; entry < hashes.size; entry += 8) {
        const std::uint32_t offset = read32(hashes.data + entry + 4);
        if (offset >= messages.size || !isSoundMessage(messages, offset)) return false;
    }
    return true;
}

}  // namespace zav::lang
