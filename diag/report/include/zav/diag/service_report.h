#pragma once
// The service report of a diagnostic run: what an engineer hands to a
// customer or files with a repair. One to three A4 pages (PDF) or one
// self-contained HTML file: the unit's identity and the verdict, the
// mechanics, a chart of each sensor test with every reading against its
// limits, and the sensor table of the results file.
//
// Writing a PDF draws with Qt's painting, so the process must run a
// QGuiApplication (the offscreen platform will do); HTML needs Qt Core only.
// Texts come from the loaded language module where it has them.
//
// The diagnostics window's "Report…" button calls, after the save dialog:
//     QString error;
//     if (!WriteServiceReport(ServiceReportOf(session, runStart), path, &error))
//         show error;
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>

#include "zav/diag/diagnostic_session.h"
#include "zav/diag/results_model.h"

namespace zav::diag {

enum class ReportFormat { Pdf, Html };

// The format a file name asks for by its extension: ".pdf", or ".html" or
// ".htm", in any case. Nothing for any other name.
std::optional<ReportFormat> ReportFormatOf(const QString& path);

// The name the report dialog proposes: the results file's default name
// ("<UnitType>_yyyyMMdd_HHmmss") with the extension of `format`.
QString DefaultReportFileName(const QString& unitType, const QDateTime& now, ReportFormat format);

// Everything a report is made from. The references must outlive the input.
struct ServiceReportInput {
    DiagnosticResults results;
    const ResultsView& shown;  // the statuses as the window shows them
    RunEnd end;                // how the run ended: an aborted run says so
    QString statusText;        // the status line at the end: why a run stopped
    QDateTime runTime;         // the date and time the report gives for the run
    QString hostName;          // the computer the run was made on
};

// The input for the session's last run, on this computer; `runTime` is the
// date and time the report gives for the run (the window and zavdiag pass
// when the run was started).
ServiceReportInput ServiceReportOf(const DiagnosticSession& session, const QDateTime& runTime);

// The report's file contents in `format`. Empty when a PDF is asked for
// without a QGuiApplication.
QByteArray ServiceReport(const ServiceReportInput& input, ReportFormat format);

// Writes the report to `path` in the format its extension chooses. The file
// is written to a temporary file in the same folder and renamed into place,
// so an existing file is replaced whole or not at all, and a failed write
// leaves nothing behind. Returns true when the report was written; otherwise
// false with a message for the engineer in `*error` (when not null).
bool WriteServiceReport(const ServiceReportInput& input, const QString& path, QString* error);

}  // namespace zav::diag
