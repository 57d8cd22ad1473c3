#include "zav/lang/startup_language.h"

#include "zav/base/messages.h"
#include "zav/lang/language_text.h"
#include "zav/lang/module_files.h"
#include "zav/lang/translations.h"
#include "zav/platform/system.h"

namespace zav::lang {
namespace {

struct IdMapping {
    const char16_t* id;  // identifier as upper-case hexadecimal text
    const char16_t* code;
};

// The automatic choice. Identifiers not listed keep the code as it is (so
// 409, 240A and the French identifiers do not choose a language here).
constexpr IdMapping kIdMappings[] = {
    {u"809", u"en"},  {u"0", u"en"},    {u"40A", u"es"},  {u"80A", u"es"},  {u"C0A", u"es"},
    {u"100A", u"es"}, {u"140A", u"es"}, {u"180A", u"es"}, {u"1C0A", u"es"}, {u"200A", u"es"},
    {u"280A", u"es"}, {u"2C0A", u"es"}, {u"300A", u"es"}, {u"340A", u"es"}, {u"380A", u"es"},
    {u"3C0A", u"es"}, {u"400A", u"es"}, {u"440A", u"es"}, {u"480A", u"es"}, {u"4C0A", u"es"},
    {u"500A", u"es"}, {u"407", u"de"},  {u"807", u"de"},  {u"C07", u"de"},  {u"1007", u"de"},
    {u"1407", u"de"}, {u"416", u"pt"},  {u"816", u"pt"},  {u"419", u"ru"},  {u"819", u"ru"},
};

}  // namespace

LanguageEnvironment LanguageEnvironment::ofThisProgram() {
    return {defaultModuleDirectory(), platform::user_language_id(), defaultTranslationDirectory()};
}

QString codeForLanguageId(const QString& idText, const QString& currentCode) {
    for (const IdMapping& mapping : kIdMappings) {
        if (idText == QStringView(mapping.id)) return QString::fromUtf16(mapping.code);
    }
    return currentCode;
}

bool loadLanguage(const QString& code, const QString& moduleDirectory) {
    QString chosen = code;
    QString path = findModuleFile(moduleDirectory, chosen);
    if (path.isEmpty()) {
        chosen = QStringLiteral("en");
        path = findModuleFile(moduleDirectory, chosen);
    }
    if (path.isEmpty()) {
        base::showMessage(QStringLiteral("Unable to find any language dlls. Program will now exit"),
                          base::MessageIcon::Critical);
        return false;
    }
    auto module = LanguageModule::create(
        path, QStringLiteral("kvo_lang_") + chosen + QStringLiteral(".clsResources"));
    if (!module) {
        base::showMessage(QStringLiteral("Unable to load any language dlls. Program will now exit"),
                          base::MessageIcon::Critical);
        return false;
    }
    installLanguageModule(std::move(module), chosen);
    return true;
}

StartupLanguage startLanguage(const LanguageEnvironment& environment) {
    StartupLanguage result;
    result.settings = readLanguageSettings();
    QString code;
    bool automatic = result.settings.countryCodeOption == 0;
    if (!automatic) {
        code = result.settings.countryCode;
        if (findModuleFile(environment.moduleDirectory, code).isEmpty()) {
            base::showMessage(QStringLiteral("Unsupported language Selected  (") + code +
                              QStringLiteral(") defaulting to auto select"));
            automatic = true;
        }
    }
    result.userLanguageId = QString::number(environment.userLanguageId, 16).toUpper();
    if (automatic) code = codeForLanguageId(result.userLanguageId, code);
    if (code.isEmpty()) code = QStringLiteral("en");
    result.loaded = loadLanguage(code, environment.moduleDirectory);
    result.languageCode = currentLanguageCode();
    if (result.loaded) installTranslations(result.languageCode, environment.translationDirectory);
    return result;
}

}  // namespace zav::lang
