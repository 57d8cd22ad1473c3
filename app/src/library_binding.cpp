#include "zav/app/library_binding.h"

#include <QCoreApplication>
#include <QFile>

#include "zav/base/messages.h"
#include "zav/base/program_directory.h"

namespace zav::app {

LibraryBinder::LibraryBinder(const char* fileName) : fileName_(QString::fromLatin1(fileName)) {
    const QString path = base::ProgramFilePath(fileName_);
    if (!library_.load(QFile::encodeName(path).toStdString())) {
        loadError_ = QString::fromLocal8Bit(library_.error().c_str());
    }
}

platform::SharedLibrary LibraryBinder::finish() {
    if (!library_.is_loaded()) {
        base::showMessage(
            QCoreApplication::translate("zav", "Cannot load the library %1 from %2 (%3).")
                .arg(fileName_, base::ProgramDirectory(), loadError_),
            base::MessageIcon::Critical);
    } else if (!missingCalls_.isEmpty()) {
        base::showMessage(QCoreApplication::translate("zav", "The library %1 lacks the call(s) %2.")
                              .arg(fileName_, missingCalls_.join(QStringLiteral(", "))),
                          base::MessageIcon::Critical);
    }
    return std::move(library_);
}

}  // namespace zav::app
