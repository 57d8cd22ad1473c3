#include "zav/base/program_directory.h"

#include <QFile>

#include "zav/platform/system.h"

namespace zav::base {
namespace {

QString& directoryOverride() {
    static QString directory;
    return directory;
}

}  // namespace

QString ProgramDirectory() {
    if (!directoryOverride().isEmpty()) return directoryOverride();
    return QFile::decodeName(QByteArray::fromStdString(platform::program_directory()));
}

void SetProgramDirectory(const QString& directory) {
    directoryOverride() = directory;
}

QString ProgramFilePath(const QString& fileName) {
    QString path = ProgramDirectory();
    if (!path.endsWith(u'/')) path += u'/';
    return path + fileName;
}

}  // namespace zav::base
