#pragma once
// The service report of a diagnostic run: what an engineer hands to a
// customer or files with a repair. One to three A4 pages (PDF) or one
// self-contained HTML file: the unit's identity and the verdict, the
// mechanics, a chart of each sensor test with every reading against its
// limits, and the sensor table of the results file.
//
// Both formats need Qt Core only. Texts come from the loaded language module
// where it has them.
//
// The diagnostics window's "Report…" button calls, after the save dialog:
//     QString error;
//     if (!WriteServiceReport(session.lastRun(), path, &error)) show error;
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>

#include "zav/diag/run_record.h"

namespace zav::diag {

enum class ReportFormat { Pdf, Html };

// The format a file name asks for by its extension: ".pdf", or ".html" or
// ".htm", in any case. Nothing for any other name.
std::optional<ReportFormat> ReportFormatOf(const QString& path);

// The name the report dialog proposes: the results file's default name
// ("<UnitType>_yyyyMMdd_HHmmss") with the extension of `format`.
QString DefaultReportFileName(const QString& unitType, const QDateTime& now, ReportFormat format);

// The report of `run` in `format`.
QByteArray ServiceReport(const RunRecord& run, ReportFormat format);

// Writes the report to `path` in the format its extension chooses. The file
// is written to a temporary file in the same folder and renamed into place,
// so an existing file is replaced whole or not at all, and a failed write
// leaves nothing behind. Returns true when the report was written; otherwise
// false with a message for the engineer in `*error` (when not null).
bool WriteServiceReport(const RunRecord& run, const QString& path, QString* error);

}  // namespace zav::diag
