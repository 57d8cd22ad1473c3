#include "zav/desktop/manual_pages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include "zav/base/program_directory.h"

namespace zav::desktop {
namespace {

constexpr qint64 kMaxPageBytes = 1 << 20;

bool insideManual(const QString& path) {
    const QString folder = QFileInfo(manualDirectory()).canonicalFilePath();
    const QString page = QFileInfo(path).canonicalFilePath();
    return !folder.isEmpty() && page.startsWith(folder + QLatin1Char('/'));
}

}  // namespace

QString manualDirectory() {
    return base::ProgramFilePath(QStringLiteral("_tmphhp"));
}

QString manualIndexPath() {
    return manualDirectory() + QStringLiteral("/index.html");
}

std::optional<QString> readManualPage(const QString& path) {
    if (!insideManual(path)) return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() <= 0 || file.size() > kMaxPageBytes) {
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (bytes.size() != file.size()) return std::nullopt;
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) return std::nullopt;
    return text;
}

}  // namespace zav::desktop
