#pragma once
// What the diagnostics window shows of a run: the unit's identity and one
// row per sensor and per mechanical item with its status text and colour.
// The window's label and two list views display this model as it is.
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "zav/app/validator_data.h"
#include "zav/diag/result_table.h"

namespace zav::diag {

// Everything the results view and the results file read; the caller owns it.
struct DiagnosticResults {
    const app::ValidatorData& unit;
    const app::VersionData& version;
    const app::DatasetData& dataset;
    const ResultTable& table;
};

// Blank: a list row that no result row stands behind (an empty cell).
enum class RowStatus { Blank, NotTested, Ok, Fail };

struct RgbColour {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
    friend bool operator==(const RgbColour&, const RgbColour&) = default;
};

// The status cell's text in the current language: "OK", "FAIL", "Not Tested"
// or empty for Blank.
QString StatusText(RowStatus status);
// The status cell's colour: green for OK, red for FAIL, none (the list's
// default colour) otherwise.
std::optional<RgbColour> StatusColour(RowStatus status);

struct ResultListColumn {
    QString key;
    QString caption;
    int widthTwips;
};

struct ResultListRow {
    QString key;
    QString text;
    RowStatus status;
};

struct ResultsView {
    QString identityText;  // four lines separated by CR LF
    std::vector<ResultListColumn> sensorColumns;
    std::vector<ResultListRow> sensorRows;
    std::vector<ResultListColumn> motorColumns;
    std::vector<ResultListRow> motorRows;
};

// The view of `results`: every row "Not Tested" before the verdicts
// (`evaluated` false), else "OK" for a row that passed and "FAIL" for any
// other, including rows the run did not reach.
ResultsView ShowResults(const DiagnosticResults& results, bool evaluated);

// The serial number as plain decimal digits.
QString SerialNumberText(double serialNumber);

}  // namespace zav::diag
