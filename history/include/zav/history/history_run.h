#pragma once
// One run as the history keeps it: a diagnostic run with everything its
// results file and service report are made from, or an initialisation with
// each sensor's last calibration status.
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <vector>

#include "zav/diag/run_record.h"

namespace zav::controls {
class InitialiseSession;
}

namespace zav::history {

enum class Tool { Diagnostic, Initialise };

// A sensor's row at the end of an initialisation.
struct CalibrationRow {
    QString status;
    QString gain1;
    QString gain2;
    bool failed = false;
    friend bool operator==(const CalibrationRow&, const CalibrationRow&) = default;
};

struct HistoryRun {
    std::int64_t id = 0;  // 0 until it is recorded
    Tool tool = Tool::Diagnostic;
    bool simulated = false;  // training mode or the simulator
    // The unit, its results and the run's end. For an initialisation only
    // the unit's identity and sensor names, `started`, `hostName`, `end`
    // (Passed when it completed, else Failed) and `statusText` (the caption).
    diag::RunRecord record;
    std::vector<CalibrationRow> calibration;  // per sensor; initialisation only
};

// The verdict as the history lists and filters it: "PASSED", "FAILED",
// "CANCELLED", "ABORTED" or "NOT TESTED".
QString VerdictName(diag::RunEnd end);
// The tool's name in the history: "diagnostic" or "initialise".
QString ToolName(Tool tool);

// A diagnostic run as it ended, simulated when the current port is.
HistoryRun FromDiagnostic(const diag::RunRecord& run);
// An initialisation as it ended, made on this computer now.
HistoryRun FromInitialisation(const controls::InitialiseSession& session);
// True when the run met a unit: the history keeps only such runs.
bool ReachedUnit(const HistoryRun& run);

// True when the window had shown the run's verdicts ("OK"/"FAIL" rows).
bool VerdictsShown(const diag::ResultsView& shown);

}  // namespace zav::history
