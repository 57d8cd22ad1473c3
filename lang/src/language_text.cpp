#include "zav/lang/language_text.h"

namespace zav::lang {
namespace {

// The module and its code stay for the whole run once start-up loads them.
struct InstalledLanguage {
    std::unique_ptr<LanguageModule> module;
    QString code;
};

InstalledLanguage& installed() {
    static InstalledLanguage language;
    return language;
}

QString withoutTrailingBlanks(QString text) {
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == u' ') --end;
    text.truncate(end);
    return text;
}

}  // namespace

void installLanguageModule(std::unique_ptr<LanguageModule> module, const QString& code) {
    installed().module = std::move(module);
    installed().code = installed().module ? code : QString();
}

QString currentLanguageCode() {
    return installed().code;
}

QString fetchText(int id) {
    const LanguageModule* module = installed().module.get();
    if (!module) return QStringLiteral("Error : NLDnro: ") + QString::number(id);
    if (const auto text = module->resourceString(id)) return withoutTrailingBlanks(*text);
    return QStringLiteral("Error : NLD: ") + QString::number(id);
}

}  // namespace zav::lang
