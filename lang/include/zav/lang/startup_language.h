#pragma once
// Choosing and loading the user-interface language when the program starts.
#include <QString>
#include <cstdint>

#include "zav/lang/language_settings.h"

namespace zav::lang {

// Where the choice looks: the module directory and the user's language;
// where the translations of our additions are.
struct LanguageEnvironment {
    QString moduleDirectory;
    std::uint16_t userLanguageId = 0;  // Windows language identifier, 0 = none
    QString translationDirectory;      // empty: English additions

    // The running program's Lang/ and translations/ directories and the
    // user's locale.
    static LanguageEnvironment ofThisProgram();
};

struct StartupLanguage {
    // False when no module could be loaded: "Program will now exit" has been
    // shown and start-up must end with a failure.
    bool loaded = false;
    LanguageSettings settings;  // as read; the main window keeps them
    QString userLanguageId;     // upper-case hexadecimal, e.g. "C0A"
    QString languageCode;       // code of the loaded module
};

// Reads the stored choice, falls back to the user's language when the choice
// is automatic or has no module (saying so), and loads the module and the
// translation of the loaded module's code.
StartupLanguage startLanguage(const LanguageEnvironment& environment);

// The code the automatic choice gives for a language identifier text, or
// currentCode when the identifier is not one of those it maps.
QString codeForLanguageId(const QString& idText, const QString& currentCode);

// Loads the module for code ("en" when code has none) and installs it.
// False, after a "Program will now exit" message, when there is no module
// file or no object can be created.
bool loadLanguage(const QString& code, const QString& moduleDirectory);

}  // namespace zav::lang
