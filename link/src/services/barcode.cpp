#include "barcode.h"

#include <algorithm>
#include <numeric>

namespace zav::link {
namespace {

constexpr std::size_t kStartLength = 4;  // narrow bar, space, bar, space
constexpr std::uint8_t kStop[] = {1, 0, 0};
constexpr std::size_t kGroupLength = 10;  // two digits, interleaved
constexpr int kWeights[] = {1, 2, 4, 7, 0};
constexpr int kWideElementsPerDigit = 2;
// Weights 4 + 7 stand for the digit 0.
constexpr int kZeroSum = 11;

// Drops each spike with the element before it; the element after the
// spike is taken unexamined.
std::vector<std::uint8_t> filter_spikes(std::span<const std::uint8_t> samples) {
    const unsigned sum = std::accumulate(samples.begin(), samples.end(), 0u);
    const unsigned average = sum / static_cast<unsigned>(samples.size());
    std::vector<std::uint8_t> kept;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        if (samples[i] >= 2 * average && !kept.empty()) {
            kept.pop_back();
            if (++i < samples.size()) kept.push_back(samples[i]);
            continue;
        }
        kept.push_back(samples[i]);
    }
    return kept;
}

bool starts_with_start_pattern(const std::vector<std::uint8_t>& row) {
    return row.size() >= kStartLength &&
           std::all_of(row.begin(), row.begin() + kStartLength, [](auto e) { return e == 0; });
}

// The digit of the five elements at row[first], row[first + 2], ...; -1
// unless exactly two of them are wide.
int digit_at(const std::vector<std::uint8_t>& row, std::size_t first) {
    int wide = 0, sum = 0;
    for (std::size_t k = 0; k < std::size(kWeights); ++k) {
        if (row[first + 2 * k]) {
            ++wide;
            sum += kWeights[k];
        }
    }
    if (wide != kWideElementsPerDigit) return -1;
    return sum == kZeroSum ? 0 : sum;
}

}  // namespace

BarcodeResult decode_interleaved_2of5(std::span<const std::uint8_t> input) {
    BarcodeResult result;
    if (input.size() < 2) return result;

    const std::vector<std::uint8_t> widths = filter_spikes(input.subspan(1));
    // The filter can take every sample away (a row of one width and one
    // spike): then there is no start pattern either.
    if (widths.empty()) return result;
    const std::uint8_t widest = *std::max_element(widths.begin(), widths.end());
    const unsigned threshold = 2u * widest / 3u;
    std::vector<std::uint8_t> row;
    for (const std::uint8_t w : widths) row.push_back(w >= threshold ? 1 : 0);
    result.elements = row;

    if (!starts_with_start_pattern(row)) {
        std::reverse(row.begin(), row.end());
        if (!starts_with_start_pattern(row)) return result;
    }
    if (row.size() < kStartLength + std::size(kStop) ||
        !std::equal(std::begin(kStop), std::end(kStop), row.end() - std::size(kStop))) {
        result.code = kBarcodeNoStop;
        return result;
    }
    for (std::size_t group = kStartLength;; group += kGroupLength) {
        if (group + kGroupLength > row.size()) {
            result.code = kBarcodeBadCharacter;
            return result;
        }
        const int bars = digit_at(row, group);
        const int spaces = digit_at(row, group + 1);
        if (bars < 0 || spaces < 0) {
            result.code = kBarcodeBadCharacter;
            return result;
        }
        result.text += static_cast<char>('0' + bars);
        result.text += static_cast<char>('0' + spaces);
        if (group + kGroupLength >= row.size() - kGroupLength) break;
    }
    result.code = kBarcodeDecoded;
    return result;
}

}  // namespace zav::link
