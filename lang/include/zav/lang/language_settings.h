#pragma once
// The language choice in the user's settings ("CountryCode",
// "CountryCodeOption" in section "Startup").
#include <QString>

namespace zav::lang {

struct LanguageSettings {
    QString countryCode = QStringLiteral("en");
    // Index of the chosen Language-window option; 0 = by the user's locale.
    int countryCodeOption = 0;
};

// The stored choice; defaults for absent keys. An option that is not a
// 16-bit integer counts as 0.
LanguageSettings readLanguageSettings();
void storeCountryCode(const QString& code);
void storeCountryCodeOption(int option);

}  // namespace zav::lang
