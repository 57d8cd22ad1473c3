#pragma once
// The look both report formats share: the colours of a verdict (those of the
// results lists), the chart's grey band and its scale marks. A reading's
// marker differs in shape as well as colour, so a black-and-white print
// still tells a pass (round) from a fail (a diamond).
#include <array>

#include "report_content.h"
#include "zav/diag/results_model.h"

namespace zav::diag::report {

inline RgbColour PassColour() {
    return *StatusColour(RowStatus::Ok);
}
inline RgbColour FailColour() {
    return *StatusColour(RowStatus::Fail);
}
inline RgbColour MarkColour(Mark mark) {
    return mark == Mark::Pass ? PassColour() : FailColour();
}

constexpr RgbColour kInk{0x00, 0x00, 0x00};
constexpr RgbColour kBand{0xD4, 0xD4, 0xD4};
constexpr RgbColour kGrid{0x99, 0x99, 0x99};
constexpr RgbColour kFaint{0x66, 0x66, 0x66};

// Readings marked along every chart's scale.
constexpr std::array<int, 5> kScaleMarks{0, 64, 128, 192, kScaleMax};

// The limits as the report prints them: one number for a threshold.
inline QString LimitsText(const ChartRow& row) {
    if (row.min == row.max) return QString::number(row.min);
    return QStringLiteral("%1\u2013%2").arg(row.min).arg(row.max);
}

// The status word of a row, or of a test's column of it.
inline RowStatus MarkStatus(Mark mark) {
    switch (mark) {
        case Mark::Pass:
            return RowStatus::Ok;
        case Mark::Fail:
            return RowStatus::Fail;
        case Mark::NotTested:
            break;
    }
    return RowStatus::NotTested;
}

}  // namespace zav::diag::report
