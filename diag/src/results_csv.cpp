#include "zav/diag/results_csv.h"

#include <QDir>
#include <QStringList>

#include "zav/app/file_write.h"
#include "zav/app/global.h"
#include "zav/base/messages.h"
#include "zav/diag/model_test_limits.h"
#include "zav/lang/text_ids.h"

namespace zav::diag {
namespace {

constexpr char kLineEnd[] = "\r\n";
constexpr char kSensorHeader[] =
    "Sensor,Code,Type,Paper TGT,Paper ACH,Path TGT,Path ACH,Gain 1,Gain 2,Phase Delay,"
    "First G1,First G2,Clear,Detect,Cal Divide,Detect Thresh,Clear Thresh,Path Min,Path Rd,"
    "Path Max,Paper Min,Paper Rd,Paper Max,Status";

// A field as CSV readers expect it: quoted, with inner quotes doubled, when
// it holds a comma, a double quote or a line break; otherwise unchanged.
QString CsvField(const QString& text) {
    const bool needsQuotes =
        text.contains(u',') || text.contains(u'"') || text.contains(u'\r') || text.contains(u'\n');
    if (!needsQuotes) return text;
    QString quoted = text;
    quoted.replace(u'"', QLatin1String("\"\""));
    return u'"' + quoted + u'"';
}

QByteArray CsvLine(const QStringList& fields) {
    QStringList escaped;
    escaped.reserve(fields.size());
    for (const QString& field : fields) escaped.append(CsvField(field));
    return escaped.join(u',').toUtf8() + kLineEnd;
}

template <typename T>
QString Number(const std::vector<T>& list, int sensor) {
    return QString::number(app::ValueAt(list, sensor));
}

}  // namespace

QStringList SensorFieldCaptions() {
    return QString::fromLatin1(kSensorHeader).split(u',');
}

QStringList SensorFields(const DiagnosticResults& results, const ResultsView& shown, int i) {
    const app::ValidatorData& unit = results.unit;
    const ResultRow row = results.table.SensorRow(i) ? *results.table.SensorRow(i) : ResultRow{};
    const QString status = static_cast<std::size_t>(i) < shown.sensorRows.size()
                               ? StatusText(shown.sensorRows[static_cast<std::size_t>(i)].status)
                               : QString();
    // The Clear column repeats the sensor's clear threshold.
    return {app::ValueAt(unit.SensorName, i),
            Number(unit.Code, i),
            Number(unit.Type, i),
            Number(unit.PaperTgt, i),
            Number(unit.PaperAch, i),
            Number(unit.PathTgt, i),
            Number(unit.PathAch, i),
            Number(unit.Gain1, i),
            Number(unit.Gain2, i),
            Number(unit.PhaseDelay, i),
            Number(unit.FirstG1, i),
            Number(unit.FirstG2, i),
            Number(unit.ClearThresh, i),
            Number(unit.Detect, i),
            Number(unit.CalDivide, i),
            Number(unit.DetectThresh, i),
            Number(unit.ClearThresh, i),
            QString::number(row.PathMin),
            QString::number(row.PathRead),
            QString::number(row.PathMax),
            QString::number(row.PaperMin),
            QString::number(row.PaperRead),
            QString::number(row.PaperMax),
            status};
}

QString DefaultCsvFileName(const QString& unitType, const QDateTime& now) {
    QString name = unitType + now.toString(QStringLiteral("_yyyyMMdd_HHmmss")) + ".csv";
    name.replace(u'/', u'_');
    name.replace(QChar(0), u'_');
    return name;
}

QByteArray ResultsCsv(const DiagnosticResults& results, const ResultsView& shown) {
    using app::Global::LangText;
    const app::ValidatorData& unit = results.unit;
    QByteArray csv = CsvLine({LangText(lang::text::kType), LangText(lang::text::kSerialNumber),
                              LangText(lang::text::kFirmware), LangText(lang::text::kDataset)});
    csv += CsvLine({unit.UnitType, SerialNumberText(unit.SerialNumber),
                    results.version.FullFirmware, results.dataset.DatasetCode});
    csv += kLineEnd;
    if (!IsSupportedModel(unit.UnitType)) return csv;
    csv += QByteArray(kSensorHeader) + kLineEnd;
    for (int i = 0; i < unit.SensorCount; ++i) csv += CsvLine(SensorFields(results, shown, i));
    return csv;
}

QString CouldNotSaveText(const QString& path, const QString& reason) {
    return app::Global::LangText(lang::text::kCouldNotSave) + QStringLiteral("\n") +
           QDir::toNativeSeparators(path) + QStringLiteral(": ") + reason;
}

bool SaveResultsCsv(const QString& path, const DiagnosticResults& results,
                    const ResultsView& shown) {
    QString why;
    if (!app::WriteFileAtomically(path, ResultsCsv(results, shown), &why)) {
        base::showMessage(CouldNotSaveText(path, why), base::MessageIcon::Warning);
        return false;
    }
    return true;
}

}  // namespace zav::diag
