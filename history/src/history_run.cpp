#include "zav/history/history_run.h"

#include "zav/app/current_port.h"
#include "zav/app/ram_utility_file.h"
#include "zav/controls/initialise_session.h"
#include "zav/platform/system.h"

namespace zav::history {

QString VerdictName(diag::RunEnd end) {
    switch (end) {
        case diag::RunEnd::Passed:
            return QStringLiteral("PASSED");
        case diag::RunEnd::Failed:
            return QStringLiteral("FAILED");
        case diag::RunEnd::Cancelled:
            return QStringLiteral("CANCELLED");
        case diag::RunEnd::TestsAborted:
            return QStringLiteral("ABORTED");
        case diag::RunEnd::None:
        case diag::RunEnd::NotTested:
            break;
    }
    return QStringLiteral("NOT TESTED");
}

QString ToolName(Tool tool) {
    return tool == Tool::Initialise ? QStringLiteral("initialise") : QStringLiteral("diagnostic");
}

namespace {

bool Simulated() {
    return app::PortIsSimulated(app::CurrentPort());
}

}  // namespace

HistoryRun FromDiagnostic(const diag::RunRecord& run) {
    HistoryRun entry;
    entry.tool = Tool::Diagnostic;
    entry.simulated = Simulated();
    entry.record = run;
    return entry;
}

HistoryRun FromInitialisation(const controls::InitialiseSession& session) {
    HistoryRun entry;
    entry.tool = Tool::Initialise;
    entry.simulated = Simulated();
    diag::RunRecord& record = entry.record;
    record.unit = session.validator();
    record.end = session.completed() ? diag::RunEnd::Passed : diag::RunEnd::Failed;
    record.statusText = session.caption();
    record.started = QDateTime::currentDateTime();
    record.hostName = QString::fromLocal8Bit(platform::host_name());
    // The sensors as the status list named them, with their last status.
    record.unit.SensorName.clear();
    for (const controls::SensorStatusRow& row : session.rows()) {
        record.unit.SensorName.push_back(row.sensor);
        entry.calibration.push_back({row.status, row.gain1, row.gain2, row.failed});
    }
    record.unit.SensorCount = static_cast<std::int16_t>(record.unit.SensorName.size());
    return entry;
}

bool ReachedUnit(const HistoryRun& run) {
    return !run.record.unit.UnitType.isEmpty() && run.record.end != diag::RunEnd::None;
}

bool VerdictsShown(const diag::ResultsView& shown) {
    const auto decided = [](const diag::ResultListRow& row) {
        return row.status == diag::RowStatus::Ok || row.status == diag::RowStatus::Fail;
    };
    for (const auto* rows : {&shown.sensorRows, &shown.motorRows}) {
        for (const diag::ResultListRow& row : *rows) {
            if (decided(row)) return true;
        }
    }
    return false;
}

}  // namespace zav::history
