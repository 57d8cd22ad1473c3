#include "zav/lang/translations.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTranslator>
#include <memory>

#include "zav/base/program_directory.h"
#include "zav/lang/translation_file_check.h"

namespace zav::lang {
namespace {

// Ours are a few kilobytes; anything far larger is not one of them.
constexpr qint64 kMaxTranslationBytes = 4 * 1024 * 1024;

// The translator reads the file's bytes where they lie, so they stay with it.
// They are a copy in memory, not a mapping of the file: a file cut short
// while the program runs cannot pull the ground from under a lookup.
struct InstalledTranslation {
    QByteArray contents;
    std::unique_ptr<QTranslator> translator;
};

InstalledTranslation& installed() {
    static InstalledTranslation translation;
    return translation;
}

void removeInstalled() {
    if (installed().translator && QCoreApplication::instance()) {
        QCoreApplication::removeTranslator(installed().translator.get());
    }
    installed().translator.reset();
    installed().contents.clear();
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
    QFile file(QDir(directory).filePath(QStringLiteral("zav_%1.qm").arg(lower)));
    if (!QFileInfo(file).isFile() || file.size() > kMaxTranslationBytes ||
        !file.open(QIODevice::ReadOnly)) {
        return false;
    }
    QByteArray contents = file.read(kMaxTranslationBytes + 1);
    if (contents.size() > kMaxTranslationBytes || !isSoundTranslationFile(contents)) return false;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(reinterpret_cast<const uchar*>(contents.constData()),
                          static_cast<int>(contents.size())) ||
        !QCoreApplication::installTranslator(translator.get())) {
        return false;
    }
    installed() = {std::move(contents), std::move(translator)};
    return true;
}

}  // namespace zav::lang
