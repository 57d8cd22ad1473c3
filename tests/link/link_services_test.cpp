// The barcode decoder, the verify pattern search and the bulk request.
#include <gtest/gtest.h>

#include <string>

#include "reader_routing.h"
#include "services/barcode.h"
#include "services/bulk_read.h"
#include "services/verify_check.h"

using namespace zav::link;
using Bytes = std::vector<std::uint8_t>;

namespace {

constexpr std::uint8_t kNarrow = 10;
constexpr std::uint8_t kWide = 25;

// The standard Interleaved 2 of 5 digit patterns (1 = wide).
const char* const kDigitPatterns[] = {"00110", "10001", "01001", "11000", "00101",
                                      "10100", "01100", "00011", "10010", "01010"};

// Element widths for an even count of digits: start, the digits in pairs
// (bars of the first interleaved with spaces of the second), stop. The
// first byte is not a sample.
Bytes barcode_row(const std::string& digits) {
    Bytes row = {0, kNarrow, kNarrow, kNarrow, kNarrow};
    for (std::size_t i = 0; i + 1 < digits.size(); i += 2) {
        const char* bars = kDigitPatterns[digits[i] - '0'];
        const char* spaces = kDigitPatterns[digits[i + 1] - '0'];
        for (int k = 0; k < 5; ++k) {
            row.push_back(bars[k] == '1' ? kWide : kNarrow);
            row.push_back(spaces[k] == '1' ? kWide : kNarrow);
        }
    }
    for (std::uint8_t w : {kWide, kNarrow, kNarrow}) row.push_back(w);
    return row;
}

Bytes reversed(Bytes row) {
    std::reverse(row.begin() + 1, row.end());
    return row;
}

}  // namespace

TEST(Barcode, DecodesForwardsAndBackwards) {
    for (const std::string digits : {"0123456789", "90", "4444", "0000"}) {
        const Bytes row = barcode_row(digits);
        const BarcodeResult forward = decode_interleaved_2of5(row);
        EXPECT_EQ(forward.code, kBarcodeDecoded) << digits;
        EXPECT_EQ(forward.text, digits);
        Bytes elements;
        for (std::size_t i = 1; i < row.size(); ++i) elements.push_back(row[i] == kWide);
        EXPECT_EQ(forward.elements, elements);

        const BarcodeResult backward = decode_interleaved_2of5(reversed(row));
        EXPECT_EQ(backward.code, kBarcodeDecoded) << digits;
        EXPECT_EQ(backward.text, digits);
    }
}

TEST(Barcode, ASpikeIsDroppedWithTheElementBeforeIt) {
    // An extra narrow element and a spike after the third digit element
    // decode as the clean row.
    Bytes row = barcode_row("5678");
    row.insert(row.begin() + 8, {kNarrow, 120});
    const BarcodeResult result = decode_interleaved_2of5(row);
    EXPECT_EQ(result.code, kBarcodeDecoded);
    EXPECT_EQ(result.text, "5678");
    EXPECT_EQ(result.elements.size(), barcode_row("5678").size() - 1);
}

TEST(Barcode, FailuresKeepWhatWasDecoded) {
    // A character with three wide elements: the first pair decodes, the
    // second fails.
    Bytes three_wide = barcode_row("1234");
    three_wide[1 + 18] = kWide;  // "3" is wide-wide-narrow-...: a third wide bar
    const BarcodeResult bad = decode_interleaved_2of5(three_wide);
    EXPECT_EQ(bad.code, kBarcodeBadCharacter);
    EXPECT_EQ(bad.text, "12");

    Bytes no_stop = barcode_row("12");
    no_stop.back() = kWide;
    no_stop[no_stop.size() - 3] = kNarrow;
    EXPECT_EQ(decode_interleaved_2of5(no_stop).code, kBarcodeNoStop);

    Bytes no_start = barcode_row("12");
    no_start[2] = kWide;
    EXPECT_EQ(decode_interleaved_2of5(no_start).code, kBarcodeNoStart);

    // No samples, one sample, and start and stop without a character.
    EXPECT_EQ(decode_interleaved_2of5(Bytes{}).code, kBarcodeNoStart);
    EXPECT_EQ(decode_interleaved_2of5(Bytes{0}).code, kBarcodeNoStart);
    EXPECT_EQ(decode_interleaved_2of5(Bytes{0, 9}).code, kBarcodeNoStart);
    EXPECT_EQ(decode_interleaved_2of5(Bytes{0, 10, 10, 10, 10, 20, 10, 10}).code,
              kBarcodeBadCharacter);
    // The spike filter takes every sample away: no elements, no start.
    for (const Bytes& gone : {Bytes{0x00, 0x01, 0x0A}, Bytes{0xFF, 0x00, 0xFF}}) {
        const BarcodeResult result = decode_interleaved_2of5(gone);
        EXPECT_EQ(result.code, kBarcodeNoStart);
        EXPECT_TRUE(result.elements.empty());
    }
}

TEST(VerifyPattern, SearchesAsCharacters) {
    const auto found = [](const std::string& in, const std::string& pattern) {
        return pattern_found(
            ByteSpan(reinterpret_cast<const std::uint8_t*>(in.data()), in.size()),
            ByteSpan(reinterpret_cast<const std::uint8_t*>(pattern.data()), pattern.size()));
    };
    EXPECT_TRUE(found("xxOKyy", "OK"));
    EXPECT_TRUE(found("OK", "OK"));
    EXPECT_FALSE(found("O K", "OK"));
    EXPECT_FALSE(found("a\xC3\xA9z", "\xC3\xA9"));  // bytes of 0x80 and above never match
    EXPECT_TRUE(found("abc", ""));
}

TEST(VerifyPattern, CheckReportsTheBufferAndEmptiesItAtACarriageReturn) {
    zav::platform::Waker waker;
    ReaderRouting routing(waker);
    struct : ByteSink {
        void on_byte(std::uint8_t) override {}
    } frames;
    Bytes out(ReaderRouting::kVerifyCapacity);
    std::int16_t count = -1;
    const Bytes ok = {'O', 'K'};

    routing.route('O', frames);  // verify mode off: not collected
    EXPECT_EQ(check_verify(routing, ok, out.data(), &count), 0);
    EXPECT_EQ(count, 0);

    routing.set_verify_mode(true);
    routing.route('O', frames);
    EXPECT_EQ(check_verify(routing, ok, out.data(), &count), 0);  // one byte so far
    EXPECT_EQ(count, 1);
    EXPECT_TRUE(routing.route('K', frames));  // the check let the next byte in
    routing.release_echo();
    routing.route('\r', frames);
    EXPECT_EQ(check_verify(routing, ok, out.data(), &count), 1);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(Bytes(out.begin(), out.begin() + 3), (Bytes{'O', 'K', '\r'}));
    EXPECT_EQ(check_verify(routing, ok, out.data(), &count), 0);  // emptied by the CR
    EXPECT_EQ(count, 0);

    routing.set_verify_mode(false);  // off: the bytes are still reported
    routing.set_verify_mode(true);
    routing.route('O', frames);
    routing.set_verify_mode(false);
    EXPECT_EQ(check_verify(routing, Bytes{'O'}, out.data(), &count), 0);
    EXPECT_EQ(count, 1);
}

TEST(BulkRequest, FrameForAddress0x1000And16Bytes) {
    std::uint8_t request[16];
    build_bulk_request(0x00001000, 16, request);
    const Bytes head = {0x7F, 0x00, 0x0B, 0x30, 0x05, 0x78, 0x00,
                        0x10, 0x00, 0x00, 0x10, 0x00, 0x00, 0x00};
    EXPECT_EQ(Bytes(request, request + 14), head);
    const std::uint16_t crc = zav::vlp::crc16(request + 1, 13);
    EXPECT_EQ(request[14], crc & 0xFF);
    EXPECT_EQ(request[15], crc >> 8);
}
