#include "gui_test_support.h"

#include <QDir>
#include <cstdlib>

#include "zav/app/product.h"
#include "zav/app/program_directory.h"
#include "zav/app/settings_keys.h"
#include "zav/lang/language_text.h"
#include "zav/lang/module_files.h"

namespace zav::test {

void setUpProgram(const QString& code) {
    app::SetProgramDirectory(QFile::decodeName(std::getenv("ZAV_DIST_DIR")));
    clearSettings();
    const QString path = lang::findModuleFile(lang::defaultModuleDirectory(), code);
    lang::installLanguageModule(
        lang::LanguageModule::create(path, QStringLiteral("kvo_lang_%1.clsResources").arg(code)),
        code);
}

void clearSettings() {
    app::settings::openUserSettings()->clear();
}

QString storedSetting(const char* key) {
    const auto settings = app::settings::openUserSettings();
    settings->beginGroup(QLatin1String(app::settings::kStartupGroup));
    return settings->value(QLatin1String(key)).toString();
}

void storeSetting(const char* key, const QString& value) {
    const auto settings = app::settings::openUserSettings();
    settings->beginGroup(QLatin1String(app::settings::kStartupGroup));
    settings->setValue(QLatin1String(key), value);
}

RecordedMessages::RecordedMessages() {
    app::setMessageSink(this);
}

RecordedMessages::~RecordedMessages() {
    app::setMessageSink(nullptr);
}

void RecordedMessages::showMessage(const QString& title, const QString& text,
                                   app::MessageIcon icon) {
    static const char* const kIcons[] = {"None", "Information", "Warning", "Critical"};
    QString line = QLatin1String(kIcons[static_cast<int>(icon)]) + QStringLiteral(": ") + text;
    if (title != app::productName()) line += QStringLiteral(" [%1]").arg(title);
    messages << line;
}

}  // namespace zav::test
