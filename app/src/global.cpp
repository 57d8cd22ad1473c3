#include "zav/app/global.h"

#include <QFileInfo>
#include <cerrno>
#include <system_error>

#include "global_support.h"
#include "zav/base/messages.h"
#include "zav/lang/language_text.h"
#include "zav/platform/locale_charset.h"
#include "zav/platform/system.h"

namespace zav::app::Global {
namespace {

// The code list is some tens of kilobytes; anything far larger is not one.
constexpr qint64 kMaxTextFileBytes = 16 * 1024 * 1024;
constexpr qint64 kReadPieceBytes = 64 * 1024;

// The description of the error a text file that is not a regular file gives.
class FileKindCategory : public std::error_category {
  public:
    const char* name() const noexcept override { return "file kind"; }
    std::string message(int) const override { return "Not a regular file"; }
};

// Only a regular file is read as text: opening a FIFO would wait for a
// writer for ever, and a directory or a device holds no text. A missing
// file is left to the read, which reports it as such.
void requireRegularFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() || info.isFile()) return;
    if (info.isDir()) throw std::system_error(EISDIR, std::generic_category(), path.toStdString());
    static const FileKindCategory notRegular;
    throw std::system_error(EINVAL, notRegular, path.toStdString());
}

}  // namespace

std::string nativePath(const QString& path) {
    if (path.contains(QChar(u'\0'))) {
        throw std::system_error(EINVAL, std::generic_category(), "path with a NUL character");
    }
    return QFile::encodeName(path).toStdString();
}

void throwFileError(const QFile& file) {
    int number = EIO;
    if (!QFileInfo::exists(file.fileName())) {
        number = ENOENT;
    } else if (file.error() == QFileDevice::OpenError || file.error() == QFileDevice::RemoveError ||
               file.error() == QFileDevice::PermissionsError) {
        number = EACCES;
    }
    throw std::system_error(number, std::generic_category(), file.fileName().toStdString());
}

QByteArray utf8FileAsAnsiText(const QString& source) {
    requireRegularFile(source);
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly)) throwFileError(file);
    if (file.size() > kMaxTextFileBytes) {
        throw std::system_error(EFBIG, std::generic_category(), source.toStdString());
    }
    // Read piece by piece up to just past the limit: one read of the whole
    // limit would allocate and clear 16 MB for a list of some kilobytes.
    QByteArray bytes;
    while (bytes.size() <= kMaxTextFileBytes) {
        const QByteArray piece = file.read(kReadPieceBytes);
        if (piece.isEmpty()) break;
        bytes += piece;
    }
    if (file.error() != QFileDevice::NoError) throwFileError(file);
    if (bytes.size() > kMaxTextFileBytes) {
        throw std::system_error(EFBIG, std::generic_category(), source.toStdString());
    }
    const QByteArray text = (Utf8ToText(bytes) + QStringLiteral("\r\n")).toUtf8();
    const std::string ansi = platform::utf8_to_charset(
        std::string_view(text.constData(), static_cast<std::size_t>(text.size())),
        platform::locale_charset());
    return QByteArray(ansi.data(), static_cast<qsizetype>(ansi.size()));
}

void reportProcedureError(const std::exception& error, const QString& where) {
    int number = 0;
    QString description = QString::fromUtf8(error.what());
    if (const auto* systemError = dynamic_cast<const std::system_error*>(&error)) {
        number = systemError->code().value();
        description = QString::fromStdString(systemError->code().message());
    }
    base::showMessage(QStringLiteral("Error ") + QString::number(number) + QStringLiteral(" (") +
                          description + QStringLiteral(") in procedure ") + where,
                      base::MessageIcon::None);
}

QString LangText(int id) {
    return lang::fetchText(id);
}

bool FileExists(const QString& path) {
    try {
        return platform::file_exists(nativePath(path));
    } catch (const std::exception& e) {
        reportProcedureError(e, QStringLiteral("FileExists"));
        return false;
    }
}

void DeleteFileIfExists(const QString& path) {
    if (!platform::file_exists(nativePath(path))) return;
    QFile file(path);
    if (!file.remove()) throwFileError(file);
}

QString TempDirectory() {
    const std::string directory = platform::temp_directory();
    if (directory.empty()) {
        throw std::system_error(ENOENT, std::generic_category(), "temporary directory");
    }
    return QFile::decodeName(directory.c_str());
}

QString Utf8ToText(const QByteArray& bytes) {
    return QString::fromUtf8(bytes);
}

void Utf8FileToAnsiFile(const QString& source, const QString& destination) {
    const QByteArray text = utf8FileAsAnsiText(source);
    QFile file(destination);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) throwFileError(file);
    if (file.write(text) != text.size() || !file.flush()) throwFileError(file);
}

}  // namespace zav::app::Global
