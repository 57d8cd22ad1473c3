#pragma once
// One diagnostic run as it ended: what the results file, the service report
// and the service history are made from, owned, so it outlives the session.
#include <QDateTime>
#include <QString>

#include "zav/app/validator_data.h"
#include "zav/diag/result_table.h"
#include "zav/diag/results_model.h"

namespace zav::diag {

// How a run ended.
enum class RunEnd {
    None,          // no run yet, or one in progress
    NotTested,     // it ended before the validator started its tests
    TestsAborted,  // a test step went unanswered, or no green paper came
    Cancelled,     // the engineer cancelled the green-paper step
    Passed,        // the verdict: every row passed
    Failed,        // the verdict: some row failed
};

struct RunRecord {
    app::ValidatorData unit;
    app::VersionData version;
    app::DatasetData dataset;
    ResultTable table;
    ResultsView shown;  // the statuses as the window shows them
    RunEnd end = RunEnd::None;
    QString statusText;  // the status line at the end: why a run stopped
    QDateTime started;   // when the engineer started the run (local time)
    QString hostName;    // the computer the run was made on

    // The records as the results view and the results file read them.
    DiagnosticResults results() const { return {unit, version, dataset, table}; }
};

}  // namespace zav::diag
