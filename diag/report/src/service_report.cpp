#include "zav/diag/service_report.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "report_content.h"
#include "report_formats.h"
#include "zav/app/file_write.h"
#include "zav/app/global.h"
#include "zav/diag/results_csv.h"
#include "zav/lang/text_ids.h"

namespace zav::diag {
std::optional<ReportFormat> ReportFormatOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("pdf")) return ReportFormat::Pdf;
    if (suffix == QLatin1String("html") || suffix == QLatin1String("htm")) {
        return ReportFormat::Html;
    }
    return std::nullopt;
}

QString DefaultReportFileName(const QString& unitType, const QDateTime& now, ReportFormat format) {
    QString name = DefaultCsvFileName(unitType, now);
    name.chop(static_cast<qsizetype>(sizeof "csv" - 1));
    return name + (format == ReportFormat::Pdf ? QStringLiteral("pdf") : QStringLiteral("html"));
}

QByteArray ServiceReport(const RunRecord& run, ReportFormat format) {
    const report::ReportContent content = report::MakeReportContent(run);
    return format == ReportFormat::Pdf ? report::PdfServiceReport(content)
                                       : report::HtmlServiceReport(content);
}

bool WriteServiceReport(const RunRecord& run, const QString& path, QString* error) {
    QString why;
    const auto format = ReportFormatOf(path);
    QByteArray bytes;
    if (!format) {
        why = QCoreApplication::translate("zav", "a report file name ends in .pdf or .html");
    } else if (bytes = ServiceReport(run, *format); app::WriteFileAtomically(path, bytes, &why)) {
        return true;
    }
    if (error) *error = CouldNotSaveText(path, why);
    return false;
}

}  // namespace zav::diag
