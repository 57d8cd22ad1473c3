#pragma once
// Writing a file the user chose (results, reports) so that a failure never
// leaves a half-written file under that name.
#include <QByteArray>
#include <QString>

namespace zav::app {

// Writes `contents` to `path`. A new or regular file is written to a
// temporary file in the same folder and renamed over `path` once whole, so
// a failed write leaves no file of its own and keeps an earlier file as it
// was. An existing path that is not a regular file (a device, a pipe) is
// written in place and never replaced. Returns true when all was written;
// otherwise `error`, when given, says why.
bool WriteFileAtomically(const QString& path, const QByteArray& contents,
                         QString* error = nullptr);

}  // namespace zav::app
