#pragma once
// The results of a diagnostic as zavdiag prints them: the identity, one
// line per sensor and mechanism with its status and limits, and the verdict,
// as text or as one JSON document.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

#include "zav/diag/diagnostic_session.h"

namespace zav::cli {

// The identity lines of the unit the session knows.
void PrintIdentity(const diag::DiagnosticSession& session);

// The identity once the unit was identified, the sensor and mechanism lines
// as the lists show them (each list only when it has rows), and the verdict
// when the run reached one.
void PrintDiagnosticReport(const diag::DiagnosticSession& session);

// The same as one JSON document, with the messages shown during the run and
// the results file written (if any).
QByteArray DiagnosticJson(const diag::DiagnosticSession& session, const QStringList& messages,
                          const std::optional<QString>& csvPath);

}  // namespace zav::cli
