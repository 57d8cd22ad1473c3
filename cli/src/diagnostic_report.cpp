#include "diagnostic_report.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "zav/app/global.h"
#include "zav/cli/printing_front_end.h"
#include "zav/lang/text_ids.h"

namespace zav::cli {
namespace {

using app::Global::LangText;

constexpr int kNameWidth = 22;
constexpr int kStatusWidth = 12;

// The verdict text of a run's end, or nothing when the tests never ran.
std::optional<QString> VerdictText(diag::RunEnd end) {
    switch (end) {
        case diag::RunEnd::Passed:
            return LangText(lang::text::kPassed);
        case diag::RunEnd::Failed:
        case diag::RunEnd::TestsAborted:
        case diag::RunEnd::Cancelled:
            return LangText(lang::text::kFailed);
        case diag::RunEnd::NotTested:
        case diag::RunEnd::None:
            break;
    }
    return std::nullopt;
}

QString Limits(std::uint8_t min, std::uint8_t read, std::uint8_t max) {
    return QCoreApplication::translate("zav", "%1-%2 read %3")
        .arg(min, 3)
        .arg(max, -3)
        .arg(read, 3);
}

const diag::ResultRow& RowOf(const diag::DiagnosticSession& session, int index) {
    static const diag::ResultRow kNoRow;
    const diag::ResultRow* row = session.resultData().table.Row(index);
    return row ? *row : kNoRow;
}

QJsonObject LimitsJson(std::uint8_t min, std::uint8_t read, std::uint8_t max, bool passed) {
    return {{"min", min}, {"read", read}, {"max", max}, {"passed", passed}};
}

QJsonObject RowJson(const diag::ResultListRow& row) {
    return {{"name", row.text},
            {"status", diag::StatusText(row.status)},
            {"passed", row.status == diag::RowStatus::Ok}};
}

const char* EndName(diag::RunEnd end) {
    switch (end) {
        case diag::RunEnd::Passed:
            return "passed";
        case diag::RunEnd::Failed:
            return "failed";
        case diag::RunEnd::TestsAborted:
            return "tests aborted";
        case diag::RunEnd::Cancelled:
            return "cancelled";
        case diag::RunEnd::NotTested:
        case diag::RunEnd::None:
            break;
    }
    return "not tested";
}

}  // namespace

void PrintIdentity(const diag::DiagnosticSession& session) {
    const QString identity = diag::ShowResults(session.resultData(), false).identityText;
    for (const QString& line : identity.split(QStringLiteral("\r\n"))) PrintLine(line);
}

void PrintDiagnosticReport(const diag::DiagnosticSession& session) {
    const diag::ResultsView& view = session.results();
    // Only what the run obtained, each block after a blank line: no identity
    // of a unit that never answered, no header over an empty list.
    bool first = true;
    const auto block = [&first] {
        if (!first) PrintLine();
        first = false;
    };
    if (!session.resultData().unit.UnitType.isEmpty()) {
        block();
        PrintIdentity(session);
    }
    if (!view.sensorRows.empty()) {
        block();
        PrintLine(
            LangText(lang::text::kSensor).leftJustified(kNameWidth) +
            LangText(lang::text::kStatus).leftJustified(kStatusWidth) +
            QCoreApplication::translate("zav", "Path (min-max, read)   Paper (min-max, read)"));
    }
    for (std::size_t i = 0; i < view.sensorRows.size(); ++i) {
        const diag::ResultListRow& sensor = view.sensorRows[i];
        const diag::ResultRow& row = RowOf(session, static_cast<int>(i));
        PrintLine(sensor.text.leftJustified(kNameWidth) +
                  diag::StatusText(sensor.status).leftJustified(kStatusWidth) +
                  Limits(row.PathMin, row.PathRead, row.PathMax) + QStringLiteral("   ") +
                  Limits(row.PaperMin, row.PaperRead, row.PaperMax));
    }
    if (!view.motorRows.empty()) {
        block();
        PrintLine(LangText(lang::text::kMotor).leftJustified(kNameWidth) +
                  LangText(lang::text::kStatus));
    }
    for (const diag::ResultListRow& mechanism : view.motorRows) {
        PrintLine(mechanism.text.leftJustified(kNameWidth) + diag::StatusText(mechanism.status));
    }
    if (const auto verdict = VerdictText(session.lastRunEnd())) {
        block();
        PrintLine(*verdict);
    }
}

QByteArray DiagnosticJson(const diag::DiagnosticSession& session, const QStringList& messages,
                          const std::optional<QString>& csvPath) {
    const diag::DiagnosticResults data = session.resultData();
    const diag::ResultsView& view = session.results();
    QJsonArray sensors;
    for (std::size_t i = 0; i < view.sensorRows.size(); ++i) {
        const diag::ResultRow& row = RowOf(session, static_cast<int>(i));
        QJsonObject sensor = RowJson(view.sensorRows[i]);
        sensor.insert("path", LimitsJson(row.PathMin, row.PathRead, row.PathMax, row.PathPass));
        sensor.insert("paper",
                      LimitsJson(row.PaperMin, row.PaperRead, row.PaperMax, row.PaperPass));
        sensors.append(sensor);
    }
    QJsonArray mechanisms;
    for (const diag::ResultListRow& mechanism : view.motorRows)
        mechanisms.append(RowJson(mechanism));
    const auto verdict = VerdictText(session.lastRunEnd());
    const QJsonObject document{
        {"unit", QJsonObject{{"type", data.unit.UnitType},
                             {"serialNumber", data.unit.SerialNumber},
                             {"firmware", data.version.FullFirmware},
                             {"dataset", data.dataset.DatasetCode}}},
        {"sensors", sensors},
        {"mechanisms", mechanisms},
        {"end", QString::fromLatin1(EndName(session.lastRunEnd()))},
        {"verdict", verdict ? QJsonValue(*verdict) : QJsonValue()},
        {"passed", session.lastRunEnd() == diag::RunEnd::Passed},
        {"status", session.statusText()},
        {"messages", QJsonArray::fromStringList(messages)},
        {"csv", csvPath ? QJsonValue(*csvPath) : QJsonValue()},
    };
    return QJsonDocument(document).toJson(QJsonDocument::Indented);
}

}  // namespace zav::cli
