#include "zav/lang/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTranslator>
#include <memory>

#include "zav/base/program_directory.h"

namespace zav::lang {
namespace {

// Ours are a few kilobytes; anything far larger is not one of them.
constexpr qint64 kMaxTranslationBytes = 4 * 1024 * 1024;

std::unique_ptr<QTranslator>& installed() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

void removeInstalled() {
    if (installed() && QCoreApplication::instance()) {
        QCoreApplication::removeTranslator(installed().get());
    }
    installed().reset();
}

bool isLanguageCode(const QString& code) {
    return code.size() == 2 && code.at(0).isLetter() && code.at(0).unicode() < 0x80 &&
           code.at(1).isLetter() && code.at(1).unicode() < 0x80;
}

}  // namespace

QString defaultTranslationDirectory() {
    return base::ProgramFilePath(QStringLiteral("translations/"));
}

bool installTranslations(const QString& code, const QString& directory) {
    removeInstalled();
    // The code comes from the settings: it never names a path of its own.
    if (!isLanguageCode(code) || !QCoreApplication::instance()) return false;
    const QString lower = code.toLower();
    if (lower == QLatin1String("en")) return false;
    const QFileInfo file(QDir(directory).filePath(QStringLiteral("zav_%1.qm").arg(lower)));
    if (!file.isFile() || file.size() > kMaxTranslationBytes) return false;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(file.filePath()) ||
        !QCoreApplication::installTranslator(translator.get())) {
        return false;
    }
    installed() = std::move(translator);
    return true;
}

}  // namespace zav::lang
