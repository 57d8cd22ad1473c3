#pragma once
// Where the language modules are and how their files are named:
// kvo_lang_<code> followed by the platform's library suffix.
#include <QString>
#include <QStringList>

namespace zav::lang {

// "Lang/" in the program directory (ProgramDirectory()).
QString defaultModuleDirectory();

// The module files in directory: names longer than 9 characters that begin
// with "kvo_lang_" and end with the library suffix, ordered by name without
// regard to case. Empty when the directory cannot be read.
QStringList moduleFileNames(const QString& directory);

// The language code in a module file name: the two characters before the
// suffix.
QString moduleCodeOf(const QString& fileName);

// Path of the module file for code in directory, its name matched without
// regard to case (an exact match first); empty when there is none.
QString findModuleFile(const QString& directory, const QString& code);

}  // namespace zav::lang
