#include "zav/app/library_binding.h"

#include <QFile>

#include "zav/app/messages.h"
#include "zav/app/program_directory.h"

namespace zav::app {

LibraryBinder::LibraryBinder(const char* fileName) : fileName_(QString::fromLatin1(fileName)) {
    const QString path = ProgramFilePath(fileName_);
    if (!library_.load(QFile::encodeName(path).toStdString())) {
        loadError_ = QString::fromLocal8Bit(library_.error().c_str());
    }
}

platform::SharedLibrary LibraryBinder::finish() {
    if (!library_.is_loaded()) {
        showMessage(QStringLiteral("Cannot load the library %1 from %2 (%3).")
                        .arg(fileName_, ProgramDirectory(), loadError_),
                    MessageIcon::Critical);
    } else if (!missingCalls_.isEmpty()) {
        showMessage(QStringLiteral("The library %1 lacks the call(s) %2.")
                        .arg(fileName_, missingCalls_.join(QStringLiteral(", "))),
                    MessageIcon::Critical);
    }
    return std::move(library_);
}

}  // namespace zav::app
