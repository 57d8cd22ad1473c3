#include "sample_run.h"

#include <QDateTime>

#include "zav/diag/results_csv.h"

namespace zav::history::test {

HistoryRun SampleRun(int seed, double serial, int failedRow) {
    constexpr int kSensors = 26;
    constexpr int kMechanisms = 4;
    HistoryRun run;
    run.simulated = true;
    diag::RunRecord& record = run.record;
    app::ValidatorData& unit = record.unit;
    unit.UnitType = QStringLiteral("TM6");
    unit.SerialNumber = serial;
    unit.SensorCount = kSensors;
    unit.ResizeSensorLists(kSensors);
    for (int i = 0; i < kSensors; ++i) {
        const auto n = static_cast<std::size_t>(i);
        unit.SensorName[n] = QStringLiteral("Sensor %1").arg(i + 1);
        unit.Code[n] = static_cast<std::uint8_t>(i);
        unit.Type[n] = static_cast<std::uint8_t>('A' + i % 3);
        unit.Gain1[n] = static_cast<std::uint8_t>(40 + i);
        unit.Gain2[n] = static_cast<std::uint8_t>(60 + i);
        unit.PathTgt[n] = 200;
        unit.PaperTgt[n] = 50;
        unit.CalDivide[n] = 4;
        unit.ConfigByte27[n] = 7;
        unit.Detect[n] = 1;
        unit.DetectThresh[n] = static_cast<std::int16_t>(-300 + i);
        unit.FirstG1[n] = 10;
        unit.FirstG2[n] = 11;
        unit.PathAch[n] = static_cast<std::uint8_t>(190 + i % 10);
        unit.PaperAch[n] = static_cast<std::uint8_t>(45 + i % 10);
        unit.ClearThresh[n] = static_cast<std::int16_t>(1000 + i);
        unit.PhaseDelay[n] = static_cast<std::int16_t>(512 - i);
    }
    record.version.FullFirmware = QStringLiteral("TM0006 V0118 TM6");
    record.dataset.DatasetCode = QStringLiteral("EUR06110");
    record.table.Recreate(kSensors, kMechanisms);
    for (int i = 0; i < record.table.RowCount(); ++i) {
        diag::ResultRow& row = *record.table.Row(i);
        row = {100, static_cast<std::uint8_t>(150 + (seed + i) % 50),    250, true,
               20,  static_cast<std::uint8_t>(40 + (seed * 3 + i) % 20), 70,  true};
        if (i == failedRow) row.SetVerdict(false);
    }
    record.end = record.table.OverallVerdict() ? diag::RunEnd::Passed : diag::RunEnd::Failed;
    record.statusText = QStringLiteral("Diagnostic complete");
    record.started = QDateTime::currentDateTime();
    record.hostName = QStringLiteral("bench-1");
    record.shown = diag::ShowResults(record.results(), true);
    return run;
}

QByteArray Csv(const HistoryRun& run) {
    return diag::ResultsCsv(run.record.results(), run.record.shown);
}

}  // namespace zav::history::test
