#pragma once
// The diagnostic results file: the unit's identity, then one line per sensor
// with its configuration, test limits, readings and status.
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include "zav/diag/results_model.h"

namespace zav::diag {

// The file name the save dialog proposes: "<UnitType>_yyyyMMdd_HHmmss.csv".
// A character that cannot stand in a file name ("/" or NUL) becomes "_".
QString DefaultCsvFileName(const QString& unitType, const QDateTime& now);

// The captions of a sensor line's fields, as the file's header line has them.
QStringList SensorFieldCaptions();
// The fields of sensor `sensor`'s line, unquoted; the status is the text of
// its row in `shown`. A sensor the unit does not have gives empty values.
QStringList SensorFields(const DiagnosticResults& results, const ResultsView& shown, int sensor);

// The file's contents, UTF-8 with CR LF line ends. The status field of each
// sensor is the text of its row in `shown` (as the window displays it);
// a field holding a comma, a double quote or a line break is quoted.
QByteArray ResultsCsv(const DiagnosticResults& results, const ResultsView& shown);

// Text 89 ("Couldn't save results!") with the file and the system's reason:
// what the engineer reads when a results file or report was not written.
QString CouldNotSaveText(const QString& path, const QString& reason);

// Writes the results file to `path`, replacing any file there only once the
// new one is whole. Returns true when it was written; otherwise shows
// CouldNotSaveText and returns false, leaving no file of its own and any
// earlier file at `path` as it was.
bool SaveResultsCsv(const QString& path, const DiagnosticResults& results,
                    const ResultsView& shown);

}  // namespace zav::diag
