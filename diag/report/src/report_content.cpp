#include "report_content.h"

#include <QCoreApplication>

#include "zav/app/global.h"
#include "zav/base/product.h"
#include "zav/diag/model_test_limits.h"
#include "zav/diag/results_csv.h"
#include "zav/lang/language_text.h"
#include "zav/lang/text_ids.h"

namespace zav::diag::report {
namespace {

using app::Global::LangText;

// The identity labels carry the list's spacing and a colon in some
// languages; the report sets them in a column of their own.
QString Label(int id) {
    QString label = LangText(id).trimmed();
    if (label.endsWith(u':')) label.chop(1);
    return label;
}

QString ProductTitle() {
    const base::ProgramVersion version = base::programVersion();
    return QStringLiteral("%1 %2.%3.%4")
        .arg(base::productName())
        .arg(version.major)
        .arg(version.minor)
        .arg(version.revision);
}

// What stopped a run that did not reach its verdict; empty when it did.
QString RunNote(RunEnd end, const QString& statusText) {
    const QString reason = Printable(statusText).simplified();
    switch (end) {
        case RunEnd::Passed:
        case RunEnd::Failed:
            return {};
        case RunEnd::TestsAborted:
            return QCoreApplication::translate("zav", "Run aborted: %1").arg(reason);
        case RunEnd::Cancelled:
            return QCoreApplication::translate("zav", "Run cancelled by the engineer");
        case RunEnd::NotTested:
        case RunEnd::None:
            break;
    }
    return QCoreApplication::translate("zav", "Run aborted before the tests: %1").arg(reason);
}

// A test reached shows each row it judged; a row it wrote nothing into (a
// sensor type the test leaves out) is not tested. The green-paper test is
// the last one, so only a run with a verdict reached it; the paper-less test
// ran in every run that got past the mechanics, which its rows tell.
Chart MakeChart(const RunRecord& input, const QString& caption, bool reached, bool paperColumns) {
    Chart chart{caption, {}};
    const app::ValidatorData& unit = input.unit;
    for (int i = 0; i < unit.SensorCount; ++i) {
        const ResultRow* result = input.table.SensorRow(i);
        const ResultRow row = result ? *result : ResultRow{};
        const std::uint8_t min = paperColumns ? row.PaperMin : row.PathMin;
        const std::uint8_t read = paperColumns ? row.PaperRead : row.PathRead;
        const std::uint8_t max = paperColumns ? row.PaperMax : row.PathMax;
        const bool pass = paperColumns ? row.PaperPass : row.PathPass;
        const bool written = pass || min != 0 || read != 0 || max != 0;
        const Mark mark = !reached || !written ? Mark::NotTested : pass ? Mark::Pass : Mark::Fail;
        chart.rows.push_back({Printable(app::ValueAt(unit.SensorName, i)), mark, min, read, max});
    }
    return chart;
}

}  // namespace

QString Printable(const QString& text) {
    QString safe;
    safe.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            safe.append(c);
            safe.append(text.at(++i));
        } else if (c.isSurrogate() || c.isNonCharacter() || c.category() == QChar::Other_Control) {
            safe.append(QChar::ReplacementCharacter);
        } else {
            safe.append(c);
        }
    }
    return safe;
}

ReportContent MakeReportContent(const RunRecord& input) {
    const DiagnosticResults results = input.results();
    const app::ValidatorData& unit = results.unit;
    ReportContent content;
    content.language = lang::currentLanguageCode().toLower();
    content.title = ProductTitle();
    content.subtitle = QCoreApplication::translate("zav", "Service report");
    content.identity = {
        {Label(lang::text::kType), Printable(unit.UnitType)},
        {Label(lang::text::kSerialNumber), SerialNumberText(unit.SerialNumber)},
        {Label(lang::text::kFirmware), Printable(results.version.FullFirmware)},
        {Label(lang::text::kDataset), Printable(results.dataset.DatasetCode)},
        {QCoreApplication::translate("zav", "Date"),
         input.started.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))},
        {QCoreApplication::translate("zav", "Computer"), Printable(input.hostName)},
    };
    content.footer = content.title + QStringLiteral(" \u2013 ") + Printable(unit.UnitType) + u' ' +
                     SerialNumberText(unit.SerialNumber);
    content.passed = input.end == RunEnd::Passed;
    content.verdict = LangText(content.passed ? lang::text::kPassed : lang::text::kFailed);
    content.runNote = RunNote(input.end, input.statusText);
    if (!content.runNote.isEmpty()) {
        content.runNoteDetail =
            QCoreApplication::translate(
                "zav",
                "The results reached before the stop are shown; tests not reached "
                "show \u201C%1\u201D.")
                .arg(LangText(lang::text::kNotTested));
    }

    content.mechanicsCaption = QCoreApplication::translate("zav", "Mechanics");
    content.motorCaption = LangText(lang::text::kMotor);
    content.statusCaption = LangText(lang::text::kStatus);
    for (const ResultListRow& row : input.shown.motorRows) {
        content.mechanics.push_back({row.text, row.status});
    }

    content.sensorCaption = LangText(lang::text::kSensor);
    content.limitsCaption = QCoreApplication::translate("zav", "Limits");
    content.readingCaption = LangText(lang::text::kReading);
    content.notTested = LangText(lang::text::kNotTested);
    const bool mechanicsDone = input.end == RunEnd::Passed || input.end == RunEnd::Failed ||
                               input.end == RunEnd::TestsAborted || input.end == RunEnd::Cancelled;
    content.paperLess = MakeChart(input, QCoreApplication::translate("zav", "Paper-less test"),
                                  mechanicsDone, /*paperColumns=*/false);
    content.greenPaper = MakeChart(input, QCoreApplication::translate("zav", "Green-paper test"),
                                   input.end == RunEnd::Passed || input.end == RunEnd::Failed,
                                   /*paperColumns=*/true);

    content.tableCaption = QCoreApplication::translate("zav", "Sensor table");
    if (IsSupportedModel(unit.UnitType)) {
        content.tableColumns = SensorFieldCaptions();
        for (int i = 0; i < unit.SensorCount; ++i) {
            QStringList fields = SensorFields(results, input.shown, i);
            for (QString& field : fields) field = Printable(field);
            content.tableRows.push_back(fields);
            const auto index = static_cast<std::size_t>(i);
            content.tableStatus.push_back(index < input.shown.sensorRows.size()
                                              ? input.shown.sensorRows[index].status
                                              : RowStatus::Blank);
        }
    }
    return content;
}

}  // namespace zav::diag::report
