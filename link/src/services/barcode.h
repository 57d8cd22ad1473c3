#pragma once
// Decoding an Interleaved 2 of 5 barcode from a row of measured element
// widths (one byte per bar or space).
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace zav::link {

constexpr std::int32_t kBarcodeDecoded = 0x100;
constexpr std::int32_t kBarcodeNoStart = 0x101;
constexpr std::int32_t kBarcodeNoStop = 0x102;
constexpr std::int32_t kBarcodeBadCharacter = 0x103;

struct BarcodeResult {
    std::int32_t code = kBarcodeNoStart;
    std::string text;                    // the digits decoded so far
    std::vector<std::uint8_t> elements;  // 1 wide, 0 narrow, as measured
};

// Decodes `input`, whose first byte is not a sample. A spike (a width of
// at least twice the average) is dropped together with the element before
// it. Rows that read correctly only backwards are reversed. Returns
// kBarcodeDecoded, kBarcodeNoStart (also for fewer than 2 input bytes,
// with nothing decoded), kBarcodeNoStop, or kBarcodeBadCharacter (a digit
// without exactly two wide elements, or a character cut short).
BarcodeResult decode_interleaved_2of5(std::span<const std::uint8_t> input);

}  // namespace zav::link
