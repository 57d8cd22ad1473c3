#include "zav/app/file_write.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace zav::app {

bool WriteFileAtomically(const QString& path, const QByteArray& contents) {
    const QFileInfo target(path);
    if (path.isEmpty() || target.isDir()) return false;
    if (target.exists() && !target.isFile()) {
        QFile special(path);
        return special.open(QIODevice::WriteOnly) && special.write(contents) == contents.size() &&
               special.flush();
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    // A short write is not always reported as an error: the size on disk
    // decides before the file replaces the old one.
    if (file.write(contents) != contents.size() || !file.flush() ||
        file.size() != contents.size()) {
        file.cancelWriting();
        file.commit();
        return false;
    }
    return file.commit();
}

}  // namespace zav::app
