#include "zav/lang/module_files.h"

#include <QDir>

#include "zav/base/program_directory.h"
#include "zav/platform/shared_library.h"

namespace zav::lang {
namespace {

const QString kPrefix = QStringLiteral("kvo_lang_");

QString suffix() {
    return QString::fromLatin1(platform::SharedLibrary::suffix());
}

QStringList filesIn(const QString& directory) {
    return QDir(directory).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
}

}  // namespace

QString defaultModuleDirectory() {
    return base::ProgramFilePath(QStringLiteral("Lang/"));
}

QStringList moduleFileNames(const QString& directory) {
    QStringList names;
    for (const QString& name : filesIn(directory)) {
        if (name.size() > 9 && name.startsWith(kPrefix) && name.endsWith(suffix())) {
            names << name;
        }
    }
    return names;
}

QString moduleCodeOf(const QString& fileName) {
    const qsizetype end = fileName.size() - suffix().size();
    return end >= 2 ? fileName.sliced(end - 2, 2) : QString();
}

QString findModuleFile(const QString& directory, const QString& code) {
    const QString wanted = kPrefix + code + suffix();
    const QStringList files = filesIn(directory);
    if (files.contains(wanted)) return QDir(directory).filePath(wanted);
    for (const QString& name : files) {
        if (name.compare(wanted, Qt::CaseInsensitive) == 0) return QDir(directory).filePath(name);
    }
    return {};
}

}  // namespace zav::lang
