#pragma once
// The program's language module and the one call through which every text
// is fetched. Used from the user-interface thread only.
#include <QString>
#include <memory>

#include "zav/lang/language_module.h"

namespace zav::lang {

// Makes module the program's language module, loaded for code, replacing
// any before it. Null removes it.
void installLanguageModule(std::unique_ptr<LanguageModule> module, const QString& code);

// The code of the installed module ("en", "de", ...); empty when none is.
QString currentLanguageCode();

// The text numbered id with trailing blanks removed. Never fails: without a
// module it is "Error : NLDnro: <id>", and when the module raises (no such
// number, no usable text) "Error : NLD: <id>".
QString fetchText(int id);

}  // namespace zav::lang
