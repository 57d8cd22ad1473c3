// zavdiag history: the runs the service history keeps, newest first, and
// one run again with --show (its results file and service report too).
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

#include "zav/app/arguments.h"
#include "zav/app/file_write.h"
#include "zav/cli/subcommand.h"
#include "zav/diag/results_csv.h"
#include "zav/diag/service_report.h"
#include "zav/history/history.h"

namespace zav::cli {
namespace {

constexpr int kDefaultLimit = 50;

void PrintJson(const QJsonDocument& document) {
    const QByteArray text = document.toJson(QJsonDocument::Indented);
    std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), stdout);
    std::fflush(stdout);
}

QString LocalTime(const QDateTime& utc) {
    return utc.isValid() ? utc.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
                         : QStringLiteral("?");
}

QJsonObject SummaryJson(const history::RunSummary& run) {
    return {{"id", static_cast<qint64>(run.id)},
            {"time", run.time.toString(Qt::ISODate)},
            {"tool", history::ToolName(run.tool)},
            {"type", run.unitType},
            {"serial", run.serial},
            {"firmware", run.firmware},
            {"verdict", run.verdict},
            {"simulated", run.simulated},
            {"host", run.host}};
}

// A date ("2026-03-01", local midnight) or a date and time in ISO 8601.
std::optional<QDateTime> ParseSince(const QString& text) {
    const QDate date = QDate::fromString(text, Qt::ISODate);
    if (date.isValid()) return date.startOfDay();
    const QDateTime time = QDateTime::fromString(text, Qt::ISODate);
    if (time.isValid()) return time;
    return std::nullopt;
}

int ListRuns(history::History& store, const history::RunFilter& filter, bool json) {
    QString error;
    const auto runs = store.List(filter, &error);
    if (!runs) {
        PrintError(QStringLiteral("zavdiag history: ") + error);
        return kExitCouldNotRun;
    }
    if (json) {
        QJsonArray array;
        for (const history::RunSummary& run : *runs) array.append(SummaryJson(run));
        PrintJson(QJsonDocument(array));
        return kExitPassed;
    }
    for (const history::RunSummary& run : *runs) {
        PrintLine(QStringLiteral("%1  %2  %3  %4  %5  %6  %7%8")
                      .arg(run.id, 6)
                      .arg(LocalTime(run.time), history::ToolName(run.tool).leftJustified(10),
                           run.unitType.leftJustified(6), run.serial.leftJustified(10),
                           run.firmware.leftJustified(16), run.verdict)
                      .arg(run.simulated ? QStringLiteral("  simulated") : QString()));
    }
    return kExitPassed;
}

QJsonObject RunJson(const history::HistoryRun& run) {
    const diag::RunRecord& record = run.record;
    QJsonObject object{{"id", static_cast<qint64>(run.id)},
                       {"time", record.started.toUTC().toString(Qt::ISODate)},
                       {"tool", history::ToolName(run.tool)},
                       {"type", record.unit.UnitType},
                       {"serial", diag::SerialNumberText(record.unit.SerialNumber)},
                       {"firmware", record.version.FullFirmware},
                       {"dataset", record.dataset.DatasetCode},
                       {"verdict", history::VerdictName(record.end)},
                       {"simulated", run.simulated},
                       {"host", record.hostName},
                       {"status", record.statusText}};
    QJsonArray sensors;
    const QStringList captions = diag::SensorFieldCaptions();
    for (int i = 0; i < record.unit.SensorCount; ++i) {
        QJsonObject sensor;
        if (run.tool == history::Tool::Initialise) {
            const history::CalibrationRow& row = run.calibration[static_cast<std::size_t>(i)];
            sensor = {{"Sensor", app::ValueAt(record.unit.SensorName, i)},
                      {"Status", row.status},
                      {"Gain 1", row.gain1},
                      {"Gain 2", row.gain2},
                      {"failed", row.failed}};
        } else {
            const QStringList fields = diag::SensorFields(record.results(), record.shown, i);
            for (int k = 0; k < captions.size() && k < fields.size(); ++k)
                sensor.insert(captions[k], fields[k]);
        }
        sensors.append(sensor);
    }
    object.insert("sensors", sensors);
    QJsonArray mechanisms;
    for (const diag::ResultListRow& row : record.shown.motorRows)
        mechanisms.append(QJsonObject{{"item", row.key}, {"status", diag::StatusText(row.status)}});
    object.insert("mechanisms", mechanisms);
    return object;
}

void PrintRun(const history::HistoryRun& run) {
    const diag::RunRecord& record = run.record;
    PrintLine(
        QStringLiteral("Run %1, %2, %3 on %4%5")
            .arg(run.id)
            .arg(LocalTime(record.started.toUTC()), history::ToolName(run.tool), record.hostName)
            .arg(run.simulated ? QStringLiteral(" (simulated)") : QString()));
    for (const QString& line : record.shown.identityText.split(QStringLiteral("\r\n")))
        PrintLine(line.trimmed());
    for (int i = 0; i < record.unit.SensorCount; ++i) {
        const QString name = app::ValueAt(record.unit.SensorName, i).leftJustified(20);
        if (run.tool == history::Tool::Initialise) {
            const history::CalibrationRow& row = run.calibration[static_cast<std::size_t>(i)];
            PrintLine(QStringLiteral("%1 %2 gains %3/%4")
                          .arg(name, row.status.leftJustified(28))
                          .arg(row.gain1, 3)
                          .arg(row.gain2, 3));
            continue;
        }
        const diag::ResultRow row =
            record.table.SensorRow(i) ? *record.table.SensorRow(i) : diag::ResultRow{};
        PrintLine(QStringLiteral("%1 %2 path %3/%4/%5 paper %6/%7/%8")
                      .arg(name, diag::StatusText(
                                     record.shown.sensorRows[static_cast<std::size_t>(i)].status)
                                     .leftJustified(10))
                      .arg(row.PathMin)
                      .arg(row.PathRead)
                      .arg(row.PathMax)
                      .arg(row.PaperMin)
                      .arg(row.PaperRead)
                      .arg(row.PaperMax));
    }
    for (const diag::ResultListRow& row : record.shown.motorRows)
        PrintLine(row.text.leftJustified(20) + u' ' + diag::StatusText(row.status));
    PrintLine(history::VerdictName(record.end));
    const QString why = record.statusText.trimmed();
    if (!why.isEmpty() && why != history::VerdictName(record.end)) PrintLine(why);
}

int ShowRun(history::History& store, const QString& idText, const std::optional<QString>& csv,
            const std::optional<QString>& report, bool json) {
    bool ok = false;
    const qint64 id = idText.toLongLong(&ok);
    QString error;
    const auto run = ok ? store.Load(id, &error) : std::nullopt;
    if (!run) {
        PrintError(
            QStringLiteral("zavdiag history: ") +
            (error.isEmpty() ? QStringLiteral("there is no run %1").arg(idText.left(20)) : error));
        return kExitCouldNotRun;
    }
    int status = kExitPassed;
    const bool diagnostic = run->tool == history::Tool::Diagnostic;
    if ((csv || report) && !diagnostic) {
        PrintError(
            QStringLiteral("zavdiag history: an initialisation has no results file or "
                           "report"));
        status = kExitCouldNotRun;
    } else {
        if (csv && !app::WriteFileAtomically(
                       *csv, diag::ResultsCsv(run->record.results(), run->record.shown), &error)) {
            PrintError(QStringLiteral("zavdiag history: ") + diag::CouldNotSaveText(*csv, error));
            status = kExitCouldNotRun;
        }
        if (report && !diag::WriteServiceReport(run->record, *report, &error)) {
            PrintError(QStringLiteral("zavdiag history: ") + error);
            status = kExitCouldNotRun;
        }
    }
    if (json) {
        PrintJson(QJsonDocument(RunJson(*run)));
    } else {
        PrintRun(*run);
    }
    return status;
}

int RunHistory(Invocation& invocation) {
    QStringList& arguments = invocation.arguments;
    QString error;
    const bool json = app::TakeFlag(arguments, QStringLiteral("--json"));
    const auto show = app::TakeValue(arguments, QStringLiteral("--show"), &error);
    const auto csv = app::TakeValue(arguments, QStringLiteral("--csv"), &error);
    const auto report = app::TakeValue(arguments, QStringLiteral("--report"), &error);
    history::RunFilter filter;
    filter.serial =
        app::TakeValue(arguments, QStringLiteral("--serial"), &error).value_or(QString());
    filter.unitType =
        app::TakeValue(arguments, QStringLiteral("--type"), &error).value_or(QString());
    filter.verdict = app::TakeValue(arguments, QStringLiteral("--verdict"), &error)
                         .value_or(QString())
                         .toUpper();
    const auto since = app::TakeValue(arguments, QStringLiteral("--since"), &error);
    const auto limit = app::TakeValue(arguments, QStringLiteral("--limit"), &error);
    if (error.isEmpty() && !arguments.isEmpty())
        error = QStringLiteral("unknown argument %1").arg(arguments.first().left(40));
    if (error.isEmpty() && !filter.verdict.isEmpty() && filter.verdict != QLatin1String("PASSED") &&
        filter.verdict != QLatin1String("FAILED"))
        error = QStringLiteral("--verdict takes PASSED or FAILED");
    if (error.isEmpty() && since) {
        if (const auto time = ParseSince(*since)) {
            filter.since = *time;
        } else {
            error = QStringLiteral("--since takes a date such as 2026-03-01");
        }
    }
    filter.limit = kDefaultLimit;
    if (error.isEmpty() && limit) {
        bool ok = false;
        filter.limit = limit->toInt(&ok);
        if (!ok || filter.limit < 1 || filter.limit > 10000)
            error = QStringLiteral("--limit takes a number from 1 to 10000");
    }
    if (error.isEmpty() && !show && (csv || report))
        error = QStringLiteral("--csv and --report go with --show ID");
    if (error.isEmpty() && report && !diag::ReportFormatOf(*report))
        error = QStringLiteral("the report file name must end in .pdf or .html");
    if (!error.isEmpty()) return RefuseArguments("history", error);

    history::Location location;
    if (!history::ChosenLocation(&location, &error)) {
        PrintError(QStringLiteral("zavdiag history: ") + error);
        return kExitCouldNotRun;
    }
    const auto store = history::History::Open(location, &error);
    if (!store) {
        PrintError(QStringLiteral("zavdiag history: %1: %2").arg(location.shown, error));
        return kExitCouldNotRun;
    }
    if (show) return ShowRun(*store, *show, csv, report, json);
    return ListRuns(*store, filter, json);
}

}  // namespace

ZAVDIAG_SUBCOMMAND(history,
                   {"history",
                    "history [--serial S] [--type T] [--verdict PASSED|FAILED] [--since DATE] "
                    "[--limit N] [--json] | history --show ID [--csv FILE] [--report FILE] "
                    "[--json]",
                    "list the runs the service history keeps, or show one again", &RunHistory});

}  // namespace zav::cli
