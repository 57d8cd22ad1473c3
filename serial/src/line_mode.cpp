#include "line_mode.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cstdio>

namespace zav::serial {
namespace {

using platform::LineSettings;
using platform::Parity;

struct ParityLetter {
    char letter;
    Parity parity;
};

// Indexed by parity code - 1.
constexpr std::array<ParityLetter, 5> kParityLetters = {{{'e', Parity::Even},
                                                         {'m', Parity::Mark},
                                                         {'n', Parity::None},
                                                         {'o', Parity::Odd},
                                                         {'s', Parity::Space}}};

std::string mode_text(std::int32_t baud, char parity, char stop) {
    char text[32];
    std::snprintf(text, sizeof text, "%d,%c,8,%c", static_cast<int>(baud), parity, stop);
    return text;
}

// The next comma-separated field of text, consumed.
std::string_view next_field(std::string_view& text) {
    const auto comma = text.find(',');
    const std::string_view field = text.substr(0, comma);
    text = comma == std::string_view::npos ? std::string_view{} : text.substr(comma + 1);
    return field;
}

bool parse_number(std::string_view field, std::uint32_t* value) {
    const char* end = field.data() + field.size();
    const auto [ptr, ec] = std::from_chars(field.data(), end, *value);
    return !field.empty() && ec == std::errc{} && ptr == end;
}

}  // namespace

std::string plain_mode(std::int32_t baud) {
    return mode_text(baud, 'n', '1');
}

std::optional<std::string> advanced_mode(std::int32_t baud, std::int32_t parity_code,
                                         std::int32_t stop_code) {
    if (parity_code < 1 || parity_code > static_cast<std::int32_t>(kParityLetters.size()))
        return std::nullopt;
    if (stop_code != 1 && stop_code != 3) return std::nullopt;
    return mode_text(baud, kParityLetters[parity_code - 1].letter, stop_code == 1 ? '1' : '2');
}

std::optional<LineSettings> parse_mode(std::string_view text) {
    const std::string_view baud_field = next_field(text);
    const std::string_view parity_field = next_field(text);
    const std::string_view data_field = next_field(text);
    const std::string_view stop_field = next_field(text);
    if (!text.empty() || parity_field.size() != 1) return std::nullopt;

    LineSettings settings;
    if (!parse_number(baud_field, &settings.baud) || !platform::baud_supported(settings.baud))
        return std::nullopt;

    const char letter =
        static_cast<char>(std::tolower(static_cast<unsigned char>(parity_field[0])));
    const ParityLetter* match = nullptr;
    for (const auto& entry : kParityLetters) {
        if (entry.letter == letter) match = &entry;
    }
    if (!match) return std::nullopt;
    settings.parity = match->parity;

    std::uint32_t data_bits = 0;
    std::uint32_t stop_bits = 0;
    if (!parse_number(data_field, &data_bits) || data_bits < 5 || data_bits > 8)
        return std::nullopt;
    // The line has no 1.5 stop bits, so only "1" and "2" are taken.
    if (!parse_number(stop_field, &stop_bits) || (stop_bits != 1 && stop_bits != 2))
        return std::nullopt;
    settings.data_bits = static_cast<int>(data_bits);
    settings.stop_bits = static_cast<int>(stop_bits);
    return settings;
}

}  // namespace zav::serial
