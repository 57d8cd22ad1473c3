#pragma once
// The two writers of a report's content.
#include <QByteArray>

#include "report_content.h"

namespace zav::diag::report {

// One self-contained HTML file, UTF-8.
QByteArray HtmlServiceReport(const ReportContent& content);

// A4 pages as PDF.
QByteArray PdfServiceReport(const ReportContent& content);

}  // namespace zav::diag::report
