#pragma once
// Our additions' texts in the chosen language: Qt translation files
// zav_<code>.qm in the program's translations/ folder, installed for
// QCoreApplication::translate and tr(). English is the text in the code.
#include <QString>

namespace zav::lang {

// "translations/" in the program directory.
QString defaultTranslationDirectory();

// Installs the translation of code (a language module's code, any case)
// from directory, replacing the one installed before. Installs none, so
// every text stays English, for "en", a code that is not two letters, a
// missing file, one larger than any translation of ours, one whose lengths
// and offsets do not hold (translation_file_check.h), one Qt cannot read,
// or when no application object exists yet. True when one was installed.
bool installTranslations(const QString& code, const QString& directory);

}  // namespace zav::lang
