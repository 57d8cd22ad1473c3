#pragma once
// Character widths of the standard fonts the report's PDF uses (see
// helvetica_widths.cpp).
#include <array>
#include <cstdint>

namespace zav::diag::report::pdf {

// Index: WinAnsiEncoding code - 32. Unit: 1/1000 of the font size.
extern const std::array<std::uint16_t, 224> kHelveticaWidths;
extern const std::array<std::uint16_t, 224> kHelveticaBoldWidths;

}  // namespace zav::diag::report::pdf
