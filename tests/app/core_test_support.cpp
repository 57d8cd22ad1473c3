#include "core_test_support.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstdlib>

#include "zav/base/program_directory.h"
#include "zav/lang/language_text.h"

namespace zav::app::test {

QString distDirectory() {
    const char* dist = std::getenv("ZAV_DIST_DIR");
    return QString::fromLocal8Bit(dist ? dist : "");
}

void ensureApplication() {
    static int argc = 1;
    static char name[] = "zav_core_test";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
}

void installEnglishTexts() {
    static bool installed = false;
    if (installed) return;
    const QString path = distDirectory() + QStringLiteral("/Lang/kvo_lang_en.so");
    auto module = lang::LanguageModule::create(path, QStringLiteral("kvo_lang_en.clsResources"));
    installed = module != nullptr;
    lang::installLanguageModule(std::move(module), QStringLiteral("en"));
}

void useBuiltProgram() {
    ensureApplication();
    installEnglishTexts();
    base::SetProgramDirectory(distDirectory());
}

QString useMakersRamUtilityFiles() {
    static QTemporaryDir directory;
    static const bool written = [] {
        for (const char* model : {"RX3", "RX5", "RX8", "TM6", "TM4", "TM5", "TM3"}) {
            QFile file(directory.filePath(QString::fromLatin1(model) + "_ram_ut.rx1"));
            if (!file.open(QIODevice::WriteOnly)) return false;
            file.write(QByteArray("ZAV") + QByteArray(400, '\0'));
        }
        return true;
    }();
    if (written) base::SetProgramDirectory(directory.path());
    return directory.path();
}

void RecordingFrontEnd::recorded(const zav::test::ShownMessage& message) {
    events << QStringLiteral("message ") + line(message);
}

void RecordingFrontEnd::setStatusText(const QString& text) {
    events << QStringLiteral("status: ") + text;
}

void RecordingFrontEnd::setMousePointer(MousePointer pointer) {
    events << QStringLiteral("pointer: ") + (pointer == MousePointer::Arrow
                                                 ? QStringLiteral("Arrow")
                                                 : QStringLiteral("Hourglass"));
}

QStringList RecordingFrontEnd::messages() const {
    return events.filter(QRegularExpression(QStringLiteral("^message ")));
}

}  // namespace zav::app::test
