#include "zav/app/file_write.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace zav::app {
namespace {

bool Refuse(QString* error, const QString& why) {
    if (error) *error = why;
    return false;
}

// Why a write that the device did not refuse still fell short.
QString ShortWriteReason(const QFileDevice& file) {
    return file.error() != QFileDevice::NoError
               ? file.errorString()
               : QCoreApplication::translate("zav", "not every byte was written");
}

}  // namespace

bool WriteFileAtomically(const QString& path, const QByteArray& contents, QString* error) {
    const QFileInfo target(path);
    if (path.isEmpty()) return Refuse(error, QCoreApplication::translate("zav", "no file name"));
    if (target.isDir())
        return Refuse(error, QCoreApplication::translate("zav", "this is a folder"));
    if (target.exists() && !target.isFile()) {
        QFile special(path);
        if (!special.open(QIODevice::WriteOnly)) return Refuse(error, special.errorString());
        if (special.write(contents) != contents.size() || !special.flush()) {
            return Refuse(error, ShortWriteReason(special));
        }
        return true;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return Refuse(error, file.errorString());
    // A short write is not always reported as an error: the size on disk
    // decides before the file replaces the old one.
    if (file.write(contents) != contents.size() || !file.flush() ||
        file.size() != contents.size()) {
        const QString why = ShortWriteReason(file);
        file.cancelWriting();
        file.commit();
        return Refuse(error, why);
    }
    if (!file.commit()) return Refuse(error, file.errorString());
    return true;
}

}  // namespace zav::app
